#include "platform/RegistryFileFormat.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{

const QString textType = QStringLiteral("REG_SZ");
const QString numberType = QStringLiteral("REG_DWORD");

bool readRegistryFile(QIODevice &device, QSettings::SettingsMap &map)
{
    const QByteArray content = device.readAll();
    if (content.trimmed().isEmpty())
        return true;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(content, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject values = document.object();
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QJsonObject entry = it.value().toObject();
        const QString type = entry.value(QLatin1String("type")).toString();
        const QJsonValue data = entry.value(QLatin1String("data"));
        if (type == textType && data.isString())
            map.insert(it.key(), data.toString());
        else if (type == numberType && data.isDouble())
            map.insert(it.key(), quint32(data.toInteger()));
        else
            return false;
    }
    return true;
}

bool writeRegistryFile(QIODevice &device, const QSettings::SettingsMap &map)
{
    QJsonObject values;
    for (auto it = map.begin(); it != map.end(); ++it) {
        const bool isText = it.value().typeId() == QMetaType::QString;
        QJsonObject entry;
        entry.insert(QLatin1String("type"), isText ? textType : numberType);
        if (isText)
            entry.insert(QLatin1String("data"), it.value().toString());
        else
            entry.insert(QLatin1String("data"), qint64(it.value().toUInt()));
        values.insert(it.key(), entry);
    }
    return device.write(QJsonDocument(values).toJson()) >= 0;
}

} // namespace

QSettings::Format RegistryFileFormat::format()
{
    static const QSettings::Format registered =
        QSettings::registerFormat(QStringLiteral("json"), readRegistryFile, writeRegistryFile);
    return registered;
}

bool RegistryFileFormat::isIntact(const QString &filePath)
{
    QFile file(filePath);
    if (!file.exists())
        return true;
    QSettings::SettingsMap values;
    return file.open(QIODevice::ReadOnly) && readRegistryFile(file, values);
}
