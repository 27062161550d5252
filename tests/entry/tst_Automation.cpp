#include <QFileInfo>
#include <QSqlDatabase>
#include <QtTest>

#include <VelmoITNet22SU/VelmoAutomation.h>
#include <VelmoITNet22SU/clsVelmoITNet22SU.h>

#include "TemporaryRegistry.h"
#include "TestDatabase.h"
#include "TestService.h"
#include "platform/Registry.h"
#include "store/HostContext.h"

namespace
{

const char progId[] = "VelmoITNet22SU.clsVelmoITNet22SU";

// The property's value as the host would read it back.
QVariant read(VelmoObject *object, const char *name)
{
    VelmoVariant result{};
    if (VelmoInvoke(object, name, VELMO_INVOKE_PROPERTYGET, nullptr, 0, &result) != VELMO_S_OK)
        return QStringLiteral("error: ") + QString::fromUtf8(VelmoErrorMessage());
    QVariant value;
    if (result.type == VELMO_VT_I2)
        value = int(result.value.i2);
    else if (result.type == VELMO_VT_STRING)
        value = QString::fromUtf8(result.value.string);
    VelmoVariantClear(&result);
    return value;
}

} // namespace

Q_DECLARE_METATYPE(VelmoVariant)

class tst_Automation : public QObject
{
    Q_OBJECT

private:
    static VelmoVariant text(const char *value)
    {
        return {VELMO_VT_STRING, {.string = const_cast<char *>(value)}};
    }
    static VelmoVariant shortInt(int16_t value) { return {VELMO_VT_I2, {.i2 = value}}; }
    static VelmoVariant longInt(int32_t value) { return {VELMO_VT_I4, {.i4 = value}}; }
    static VelmoVariant real(double value) { return {VELMO_VT_R8, {.r8 = value}}; }
    static VelmoVariant boolean(bool value) { return {VELMO_VT_BOOL, {.boolean = value ? -1 : 0}}; }
    static VelmoVariant connection(const QByteArray &connectionString)
    {
        static QList<QByteArray> kept;
        kept << connectionString;
        return {VELMO_VT_CONNECTION, {.string = kept.last().data()}};
    }

    VelmoObject *object = nullptr;
    std::optional<TemporaryRegistry> registry;
    HostContext &context = mdlPublicVar::hostContext();

    int32_t invoke(const char *name, int32_t kind, QList<VelmoVariant> arguments,
                   VelmoVariant *result = nullptr)
    {
        return VelmoInvoke(object, name, kind, arguments.constData(), int32_t(arguments.size()),
                           result);
    }

    // clsAPI as a host without C++ calls it: with a version, so no dbversion needed, or
    // with the last two arguments left out.
    int32_t callApi(const QByteArray &connectionString, const QByteArray &version = "3.1.4")
    {
        QList<VelmoVariant> arguments{shortInt(1),     text("CLIENT9"),
                                      text("2026-27"), connection(connectionString),
                                      text("F"),       text(connectionString.constData()),
                                      boolean(true),   text("S")};
        if (!version.isEmpty())
            arguments << boolean(true) << text(version.constData());
        return invoke("clsAPI", VELMO_INVOKE_METHOD, arguments);
    }

private slots:
    void init()
    {
        registry.emplace();
        QCOMPARE(VelmoCreateInstance(progId, &object), VELMO_S_OK);
        QVERIFY(object);
    }
    void cleanup()
    {
        VelmoRelease(object);
        object = nullptr;
        context.setCON(QSqlDatabase());
    }

    void classIsFoundByIdOrProgId_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("found");
        const QByteArray classId = VelmoGetTypeLibrary()->classId;
        QTest::newRow("ProgID") << QByteArray(progId) << true;
        QTest::newRow("ProgID in other case") << QByteArray(progId).toLower() << true;
        QTest::newRow("class id") << classId << true;
        QTest::newRow("class id in lower case") << classId.toLower() << true;
        QTest::newRow("class id without braces") << classId.mid(1, classId.size() - 2) << true;
        QTest::newRow("library id is no class")
            << QByteArray(VelmoGetTypeLibrary()->libraryId) << false;
        QTest::newRow("other ProgID") << QByteArray("VelmoITNet22SU.Other") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void classIsFoundByIdOrProgId()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, found);
        VelmoObject *created = reinterpret_cast<VelmoObject *>(this);
        const int32_t code = VelmoCreateInstance(name.constData(), &created);
        QCOMPARE(code, found ? VELMO_S_OK : VELMO_E_CLASSNOTAVAILABLE);
        QCOMPARE(created != nullptr, found);
        QCOMPARE(QByteArray(VelmoErrorMessage()).isEmpty(), found);
        VelmoRelease(created);
    }

    // Hosts bind to the members' slots: their order is the interface; and the description
    // must not drift from the class. The library's name and version are checked where
    // registration writes them.
    void typeLibraryDescribesTheClass()
    {
        const VelmoTypeLibrary *library = VelmoGetTypeLibrary();
        const QSet<QUuid> ids{QUuid::fromString(QLatin1String(library->libraryId)),
                              QUuid::fromString(QLatin1String(library->classId)),
                              QUuid::fromString(QLatin1String(library->interfaceId))};
        QCOMPARE(ids.size(), 3);
        QVERIFY(!ids.contains(QUuid()));
        const QMetaObject &meta = clsVelmoITNet22SU::staticMetaObject;
        QStringList names;
        for (int i = 0; i < library->memberCount; ++i) {
            const VelmoMemberInfo &member = library->members[i];
            QCOMPARE(member.slot, i + 1);
            names << QLatin1String(member.name);
            if (member.invokeKinds & VELMO_INVOKE_PROPERTYPUT) {
                const QMetaProperty property = meta.property(meta.indexOfProperty(member.name));
                QVERIFY2(property.isValid() && property.isWritable(), member.name);
                QCOMPARE(property.metaType().id(), member.type == VELMO_VT_I2
                                                       ? int(QMetaType::Short)
                                                       : int(QMetaType::QString));
                continue;
            }
            int widest = -1;
            for (int m = meta.methodOffset(); m < meta.methodCount(); ++m) {
                if (meta.method(m).name() == member.name)
                    widest = std::max(widest, meta.method(m).parameterCount());
            }
            QCOMPARE(widest, member.parameterCount);
        }
        QCOMPARE(names,
                 QStringList({"sFileFrom", "vPANNo", "vpanStatus", "vdedPanName", "vadd1", "vadd2",
                              "clsAPI", "SignUp", "EnableSignUP", "Create_IT_Tbl115BAC"}));
    }

    void propertyReadsBackWhatWasPut_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<VelmoVariant>("put");
        QTest::addColumn<QVariant>("expected");
        const auto row = [](const char *tag, const char *name, VelmoVariant put,
                            const QVariant &expected) {
            QTest::newRow(tag) << QByteArray(name) << put << expected;
        };
        row("sFileFrom", "sFileFrom", shortInt(-7), -7);
        row("sFileFrom from text", "sFileFrom", text(" 12 "), 12);
        row("sFileFrom from 32-bit", "sFileFrom", longInt(32767), 32767);
        row("sFileFrom rounds halves to even", "sFileFrom", real(2.5), 2);
        row("sFileFrom from True", "sFileFrom", boolean(true), -1);
        row("vPANNo", "vPANNo", text("ABCDE1234F"), "ABCDE1234F");
        row("vpanStatus UTF-8", "vpanStatus", text("Aktiv ✓"), "Aktiv ✓");
        row("vdedPanName from number", "vdedPanName", longInt(42), "42");
        row("vadd1 from boolean", "vadd1", boolean(false), "False");
        row("vadd2 name in any case", "VADD2", text("x"), "x");
    }
    void propertyReadsBackWhatWasPut()
    {
        QFETCH(QByteArray, name);
        QFETCH(VelmoVariant, put);
        QCOMPARE(invoke(name.constData(), VELMO_INVOKE_PROPERTYPUT, {put}), VELMO_S_OK);
        QTEST(read(object, name.constData()), "expected");
    }

    void propertiesBelongToTheirInstance()
    {
        QCOMPARE(invoke("vadd1", VELMO_INVOKE_PROPERTYPUT, {text("first")}), VELMO_S_OK);
        VelmoObject *other = nullptr;
        QCOMPARE(VelmoCreateInstance(progId, &other), VELMO_S_OK);
        QCOMPARE(read(other, "vadd1"), QVariant(""));
        VelmoRelease(other);
    }

    void badCallsAreRefusedWithAReason_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<VelmoVariant>>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const auto row = [](const char *tag, const char *name, int kind, int code,
                            const char *message, const QList<VelmoVariant> &arguments = {}) {
            QTest::newRow(tag) << QByteArray(name) << kind << arguments << code << message;
        };
        const int method = VELMO_INVOKE_METHOD;
        const int put = VELMO_INVOKE_PROPERTYPUT;
        row("unknown name", "Logout", method, VELMO_E_UNKNOWNNAME, "Unknown name 'Logout'");
        row("put on an operation", "EnableSignUP", put, VELMO_E_MEMBERNOTFOUND, "EnableSignUP",
            {boolean(true)});
        row("too big for 16 bits", "sFileFrom", put, VELMO_E_OVERFLOW, "sFileFrom",
            {longInt(40000)});
        row("word for a number", "sFileFrom", put, VELMO_E_TYPEMISMATCH, "sFileFrom",
            {text("twelve")});
        row("put without value", "vadd1", put, VELMO_E_BADPARAMCOUNT, "vadd1");
        row("argument to an operation without parameters", "Create_IT_Tbl115BAC", method,
            VELMO_E_BADPARAMCOUNT, "Create_IT_Tbl115BAC", {shortInt(1)});
        row("required argument left out", "clsAPI", method, VELMO_E_PARAMNOTOPTIONAL, "ciCON",
            {shortInt(1), text("C"), text("Y")});
        row("text for the connection", "clsAPI", method, VELMO_E_TYPEMISMATCH, "ciCON",
            {shortInt(1), text("C"), text("Y"), text("Server=x"), text("F"), text(""),
             boolean(false), text("S")});
    }
    void badCallsAreRefusedWithAReason()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, kind);
        QFETCH(QList<VelmoVariant>, arguments);
        QFETCH(QString, message);
        QTEST(invoke(name.constData(), kind, arguments), "code");
        QVERIFY2(QString::fromUtf8(VelmoErrorMessage()).contains(message), VelmoErrorMessage());
    }

    void clsApiOpensTheConnectionMadeFromItsString()
    {
        TestDatabase db;
        QCOMPARE(callApi(db.connectionString().toUtf8()), VELMO_S_OK);
        QVERIFY(context.CON().isOpen());
        QCOMPARE(context.CON().databaseName(), db.name());
        QCOMPARE(context.IT_Clientcode, QStringLiteral("CLIENT9"));
        QCOMPARE(context.IT_Ver, QStringLiteral("3.1.4"));
        QCOMPARE(invoke("Create_IT_Tbl115BAC", VELMO_INVOKE_METHOD, {}), VELMO_S_OK);
        QCOMPARE(db.rows("show tables"), QStringList{"it_TBL115BAC"});
    }

    void operationFailureCarriesTheDatabaseMessage()
    {
        TestDatabase db;
        const QByteArray missing =
            db.connectionString().toUtf8().replace(db.name().toUtf8(), "velmo_no_such_database");
        QCOMPARE(callApi(missing), VELMO_E_EXCEPTION);
        QVERIFY2(QByteArray(VelmoErrorMessage()).contains("velmo_no_such_database"),
                 VelmoErrorMessage());
    }

    void versionIsReadFromTheDatabaseWhenNotGiven()
    {
        TestDatabase db;
        // Without dbversion the query fails and the host hears the database's message.
        QCOMPARE(callApi(db.connectionString().toUtf8(), QByteArray()), VELMO_E_EXCEPTION);
        QVERIFY2(QByteArray(VelmoErrorMessage()).contains("dbversion"), VelmoErrorMessage());
    }

    // Automation's True is -1: a host that compares with True sees it, not only one
    // that tests for non-zero.
    void enableSignUpAnswersABoolean_data()
    {
        QTest::addColumn<QString>("statusText");
        QTest::addColumn<int32_t>("expected");
        QTest::newRow("switched on") << "1" << int32_t(-1);
        QTest::newRow("switched off") << "0" << int32_t(0);
    }
    void enableSignUpAnswersABoolean()
    {
        QFETCH(QString, statusText);
        QFETCH(int32_t, expected);
        TestService service;
        QVERIFY(service.setStatus(statusText));
        VelmoVariant result{};
        QCOMPARE(invoke("enablesignup", VELMO_INVOKE_METHOD, {}, &result), VELMO_S_OK);
        QCOMPARE(result.type, VELMO_VT_BOOL);
        QCOMPARE(result.value.boolean, expected);
    }

    void registrationIsWrittenAndRemoved()
    {
        const VelmoTypeLibrary *library = VelmoGetTypeLibrary();
        const auto key = [](const QString &path) {
            return Registry(RegistryRoot::CurrentUser, "Software\\Classes\\" + path);
        };
        const QString classKey = QStringLiteral("CLSID\\") + library->classId;
        const QString typeLibKey = QStringLiteral("TypeLib\\") + library->libraryId;
        QVERIFY(key("Other.Class").setText("", "keep"));

        QCOMPARE(DllRegisterServer(), VELMO_S_OK);
        const QString server = key(classKey + "\\InprocServer32").value("").toString();
        QVERIFY2(QFileInfo(server).fileName().startsWith("libVelmoITNet22SU"), qPrintable(server));
        QVERIFY(QFileInfo::exists(server));
        QCOMPARE(key(classKey + "\\ProgID").value(""), QVariant(progId));
        QCOMPARE(key(classKey + "\\TypeLib").value(""), QVariant(library->libraryId));
        QCOMPARE(key(progId + QStringLiteral("\\CLSID")).value(""), QVariant(library->classId));
        QCOMPARE(key(typeLibKey + "\\1.0").value(""), QVariant("VelmoITNet22SU"));

        QCOMPARE(DllUnregisterServer(), VELMO_S_OK);
        for (const QString &gone :
             {classKey, QString(progId), typeLibKey, "Interface\\" + QString(library->interfaceId)})
            QVERIFY2(!key(gone).exists(), qPrintable(gone));
        QCOMPARE(key("Other.Class").value(""), QVariant("keep"));
        QCOMPARE(DllUnregisterServer(), VELMO_S_OK);
    }

    void registrationFailureIsReported()
    {
        qputenv("VELMO_REGISTRY_FILE", "/proc/velmo-cannot-write/registry.json");
        QCOMPARE(DllRegisterServer(), VELMO_E_REGISTRATION);
        QVERIFY2(QByteArray(VelmoErrorMessage()).contains("HKEY_CURRENT_USER\\Software\\Classes"),
                 VelmoErrorMessage());
    }

    void resultTextIsFreedAndEmptied()
    {
        QCOMPARE(invoke("vPANNo", VELMO_INVOKE_PROPERTYPUT, {text("P")}), VELMO_S_OK);
        VelmoVariant result{};
        QCOMPARE(invoke("vPANNo", VELMO_INVOKE_METHOD, {}, &result), VELMO_S_OK);
        QCOMPARE(result.type, VELMO_VT_STRING);
        QCOMPARE(QByteArray(result.value.string), QByteArray("P"));
        VelmoVariantClear(&result);
        QCOMPARE(result.type, VELMO_VT_EMPTY);
        QCOMPARE(result.value.string, nullptr);
    }
};

QTEST_GUILESS_MAIN(tst_Automation)
#include "tst_Automation.moc"
