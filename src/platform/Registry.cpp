#include "platform/Registry.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include "platform/RegistryFileFormat.h"

namespace
{

// QSettings separates groups with '/', the registry with '\'.
QString groupPath(RegistryRoot root, const QString &subKey)
{
    QString path = registryRootName(root);
    const QStringList parts = QString(subKey).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
    for (const QString &part : parts)
        path += u'/' + part;
    return path;
}

} // namespace

Registry::Registry(RegistryRoot root, const QString &subKey)
{
#ifdef Q_OS_WIN
    m_settings = std::make_unique<QSettings>(QString(groupPath(root, subKey)).replace(u'/', u'\\'),
                                             QSettings::NativeFormat);
#else
    m_settings = std::make_unique<QSettings>(filePath(), RegistryFileFormat::format());
    m_settings->beginGroup(groupPath(root, subKey));
#endif
}

Registry::~Registry() = default;

QString Registry::filePath()
{
    const QString configured = qEnvironmentVariable("VELMO_REGISTRY_FILE");
    if (!configured.isEmpty())
        return configured;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("VelmoITNet22SU/registry.json"));
}

bool Registry::exists() const
{
    return !m_settings->childKeys().isEmpty() || !m_settings->childGroups().isEmpty();
}

QString Registry::settingsKey(const QString &name)
{
    // QSettings reaches a key's default value through ".".
    return name.isEmpty() ? QStringLiteral(".") : name;
}

QVariant Registry::value(const QString &name) const
{
    if (name.contains(u'/') || name.contains(u'\\'))
        return QVariant();
    return m_settings->value(settingsKey(name));
}

bool Registry::setText(const QString &name, const QString &text)
{
    return store(name, text);
}

bool Registry::setNumber(const QString &name, quint32 number)
{
    return store(name, number);
}

bool Registry::store(const QString &name, const QVariant &value)
{
    if (name.contains(u'/') || name.contains(u'\\') || !fileIsIntact())
        return false;
    m_settings->setValue(settingsKey(name), value);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

bool Registry::remove()
{
    if (!fileIsIntact())
        return false;
    m_settings->remove(QString());
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

bool Registry::fileIsIntact() const
{
#ifdef Q_OS_WIN
    return true;
#else
    return RegistryFileFormat::isIntact(m_settings->fileName());
#endif
}
