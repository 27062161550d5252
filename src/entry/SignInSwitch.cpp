#include "entry/SignInSwitch.h"

bool signInSwitchIsOn(const QString &statusText)
{
    bool isNumber = false;
    const double value = statusText.trimmed().toDouble(&isNumber);
    return isNumber && value == 1.0;
}
