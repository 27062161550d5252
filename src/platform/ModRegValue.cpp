#include "platform/ModRegValue.h"

#include "platform/Registry.h"

namespace
{

// The buffer the text is read into holds 255 characters.
constexpr qsizetype textBufferLength = 255;

QString textAsRead(const QString &stored)
{
    const QString buffered = stored.left(textBufferLength);
    const qsizetype nul = buffered.indexOf(QChar(u'\0'));
    return nul < 0 ? buffered : buffered.left(nul);
}

} // namespace

QVariant ReadRegValue(RegistryRoot root, const QString &subKey, const QString &valueName)
{
    const Registry key(root, subKey);
    if (!key.exists())
        return QVariant();
    const QVariant stored = key.value(valueName);
    if (stored.typeId() == QMetaType::QString)
        return textAsRead(stored.toString());
    return qint32(stored.toUInt());
}

bool WriteRegValue(RegistryRoot root, const QString &subKey, const QString &valueName,
                   const QVariant &value)
{
    Registry key(root, subKey);
    if (value.typeId() == QMetaType::QString)
        return key.setText(valueName, value.toString());
    return key.setNumber(valueName, quint32(value.toLongLong()));
}
