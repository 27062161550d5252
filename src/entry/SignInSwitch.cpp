#include "entry/SignInSwitch.h"

#include "platform/TextRules.h"

bool signInSwitchIsOn(const QString &statusText)
{
    return TextRules::exactDecimal(statusText) == QStringLiteral("1");
}
