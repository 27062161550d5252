#include "entry/AutomationRegistration.h"

#include <QFileInfo>

#include <VelmoITNet22SU/VelmoAutomation.h>

#include "entry/AutomationError.h"
#include "entry/AutomationTypeLibrary.h"
#include "platform/Registry.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace
{

// The standard marshaller of dual interfaces.
const QString automationProxyStub = QStringLiteral("{00020424-0000-0000-C000-000000000046}");

struct Entry {
    QString subKey;
    QString valueName; // empty: the key's default value
    QString text;
};

QString underClasses(const QString &path)
{
    return AutomationRegistration::classesKey + u'\\' + path;
}

QList<Entry> registrationEntries()
{
    const VelmoTypeLibrary &library = AutomationTypeLibrary::library();
    const QString classId = QLatin1String(library.classId);
    const QString progId = QLatin1String(library.progId);
    const QString libraryId = QLatin1String(library.libraryId);
    const QString version =
        QStringLiteral("%1.%2").arg(library.majorVersion).arg(library.minorVersion);
    const QString path = AutomationRegistration::libraryPath();
    const QString classKey = QStringLiteral("CLSID\\") + classId;
    const QString libraryKey = QStringLiteral("TypeLib\\") + libraryId + u'\\' + version;
    const QString interfaceKey = QStringLiteral("Interface\\") + QLatin1String(library.interfaceId);
    const QString platform =
        sizeof(void *) == 8 ? QStringLiteral("win64") : QStringLiteral("win32");
    return {
        {classKey, {}, progId},
        {classKey + QStringLiteral("\\InprocServer32"), {}, path},
        {classKey + QStringLiteral("\\InprocServer32"), QStringLiteral("ThreadingModel"),
         QStringLiteral("Apartment")},
        {classKey + QStringLiteral("\\ProgID"), {}, progId},
        {classKey + QStringLiteral("\\VERSION"), {}, version},
        {classKey + QStringLiteral("\\TypeLib"), {}, libraryId},
        {progId, {}, progId},
        {progId + QStringLiteral("\\CLSID"), {}, classId},
        {libraryKey, {}, QLatin1String(library.name)},
        {libraryKey + QStringLiteral("\\0\\") + platform, {}, path},
        {libraryKey + QStringLiteral("\\FLAGS"), {}, QStringLiteral("0")},
        {libraryKey + QStringLiteral("\\HELPDIR"), {}, QFileInfo(path).absolutePath()},
        {interfaceKey, {}, QLatin1String(library.interfaceName)},
        {interfaceKey + QStringLiteral("\\ProxyStubClsid32"), {}, automationProxyStub},
        {interfaceKey + QStringLiteral("\\TypeLib"), {}, libraryId},
        {interfaceKey + QStringLiteral("\\TypeLib"), QStringLiteral("Version"), version},
    };
}

// The keys whose removal takes the whole registration away.
QStringList registrationRoots()
{
    const VelmoTypeLibrary &library = AutomationTypeLibrary::library();
    return {QStringLiteral("CLSID\\") + QLatin1String(library.classId),
            QLatin1String(library.progId),
            QStringLiteral("TypeLib\\") + QLatin1String(library.libraryId),
            QStringLiteral("Interface\\") + QLatin1String(library.interfaceId)};
}

int32_t cannotWrite(const QString &path)
{
    return AutomationError::failed(
        VELMO_E_REGISTRATION,
        QStringLiteral("Cannot write the registry key HKEY_CURRENT_USER\\%1").arg(path));
}

} // namespace

QString AutomationRegistration::libraryPath()
{
#ifdef Q_OS_WIN
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&DllRegisterServer), &module);
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    return QString::fromWCharArray(path, int(length));
#else
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void *>(&DllRegisterServer), &info) || !info.dli_fname)
        return QString();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
#endif
}

int32_t DllRegisterServer(void)
{
    for (const Entry &entry : registrationEntries()) {
        const QString path = underClasses(entry.subKey);
        if (!Registry(RegistryRoot::CurrentUser, path).setText(entry.valueName, entry.text))
            return cannotWrite(path);
    }
    return AutomationError::succeeded();
}

int32_t DllUnregisterServer(void)
{
    for (const QString &root : registrationRoots()) {
        const QString path = underClasses(root);
        Registry key(RegistryRoot::CurrentUser, path);
        if (key.exists() && !key.remove())
            return cannotWrite(path);
    }
    return AutomationError::succeeded();
}
