#include "platform/EventWait.h"

#include <QEventLoop>
#include <QTimer>

void processEventsOrSleep(int maxMilliseconds)
{
    // The timer only exists to wake the loop; its tick is the event that ends the sleep.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(qMax(0, maxMilliseconds));
    QEventLoop loop;
    loop.processEvents(QEventLoop::WaitForMoreEvents);
}
