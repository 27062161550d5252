#pragma once

#include <QString>

// The remote switch is on when the status text, trimmed, reads as a number equal
// to 1 ("1", "01", "1.0"); any other number, a word or nothing at all means off.
bool signInSwitchIsOn(const QString &statusText);
