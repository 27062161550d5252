#pragma once

#include <QDateTime>

// The current local date and time. Tests fix it so that date rules can be
// checked at an exact moment.
namespace Clock
{
QDateTime now();
QDate today();
// Makes now() answer the given moment until clearFixedNow().
void setFixedNow(const QDateTime &moment);
void clearFixedNow();
} // namespace Clock
