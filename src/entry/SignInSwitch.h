#pragma once

#include <QString>

// The remote switch is on when the status text, apart from leading and trailing blanks,
// is a number equal to 1 ("1", "01", "1.0"); any other number, a word, a tab or line
// break around the number, or nothing at all means off.
bool signInSwitchIsOn(const QString &statusText);
