#include "ServiceClock.h"

qint64 ServiceClock::now() const
{
    return QDateTime::currentSecsSinceEpoch() + m_advancedSeconds;
}

QDateTime ServiceClock::nowUtc() const
{
    return QDateTime::fromSecsSinceEpoch(now(), Qt::UTC);
}

bool ServiceClock::advance(qint64 seconds)
{
    if (seconds < 0 || seconds > maximumAdvanceSeconds)
        return false;
    m_advancedSeconds += seconds;
    return true;
}
