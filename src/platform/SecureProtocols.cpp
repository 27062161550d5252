#include "platform/SecureProtocols.h"

#include <VelmoITNet22SU/VelmoError.h>

#include "platform/ModRegValue.h"
#include "platform/TextRules.h"

namespace
{

const QString internetSettingsKey =
    QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings");
const QString valueName = QStringLiteral("SecureProtocols");

} // namespace

std::optional<qint32> SecureProtocols::stored()
{
    const QVariant value = ReadRegValue(RegistryRoot::CurrentUser, internetSettingsKey, valueName);
    if (value.typeId() != QMetaType::QString)
        return qint32(value.toInt());
    return TextRules::wholeNumberAs<qint32>(value.toString());
}

qint32 SecureProtocols::current()
{
    return stored().value_or(0);
}

void SecureProtocols::ensureAccountServiceProtocols()
{
    const std::optional<qint32> value = stored();
    if (!value)
        throw VelmoError(QStringLiteral("The Internet setting SecureProtocols holds text that is "
                                        "not a number; it was left as it is."));
    if (*value == qint32(tls1_0To1_2))
        return;
    const quint32 raised = *value < qint32(tls1_0To1_2) ? tls1_0To1_2 : tls1_0To1_3;
    WriteRegValue(RegistryRoot::CurrentUser, internetSettingsKey, valueName, raised);
}
