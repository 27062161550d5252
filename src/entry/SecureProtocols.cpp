#include "entry/SecureProtocols.h"

#include "entry/ModRegValue.h"

namespace
{

const QString internetSettingsKey =
    QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings");
const QString valueName = QStringLiteral("SecureProtocols");

QVariant stored()
{
    return ReadRegValue(RegistryRoot::CurrentUser, internetSettingsKey, valueName);
}

} // namespace

qint32 SecureProtocols::current()
{
    bool isNumber = false;
    const qint32 value = qint32(stored().toString().trimmed().toLongLong(&isNumber));
    return isNumber ? value : 0;
}

void SecureProtocols::ensureAccountServiceProtocols()
{
    const qint32 value = current();
    if (value == qint32(tls1_0To1_2))
        return;
    const quint32 raised = value < qint32(tls1_0To1_2) ? tls1_0To1_2 : tls1_0To1_3;
    WriteRegValue(RegistryRoot::CurrentUser, internetSettingsKey, valueName, raised);
}
