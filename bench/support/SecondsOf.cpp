#include "SecondsOf.h"

#include <QElapsedTimer>

double secondsOf(const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return timer.nsecsElapsed() / 1e9;
}
