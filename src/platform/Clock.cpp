#include "platform/Clock.h"

namespace
{

QDateTime &fixedNow()
{
    static QDateTime moment;
    return moment;
}

} // namespace

QDateTime Clock::now()
{
    return fixedNow().isValid() ? fixedNow() : QDateTime::currentDateTime();
}

QDate Clock::today()
{
    return now().date();
}

void Clock::setFixedNow(const QDateTime &moment)
{
    fixedNow() = moment;
}

void Clock::clearFixedNow()
{
    fixedNow() = QDateTime();
}
