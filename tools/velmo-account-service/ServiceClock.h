#pragma once

#include <QDateTime>

// The service's time, in whole seconds since 1970 (UTC): the wall clock plus however far
// it has been moved on, so that tests reach a code's or a token's expiry without waiting.
class ServiceClock
{
public:
    // The furthest one move may go, about a hundred years.
    static constexpr qint64 maximumAdvanceSeconds = 100LL * 365 * 24 * 60 * 60;

    qint64 now() const;
    QDateTime nowUtc() const;
    // Moves the clock on; it never goes back. False, and no move, outside
    // 0..maximumAdvanceSeconds.
    bool advance(qint64 seconds);

private:
    qint64 m_advancedSeconds = 0;
};
