#pragma once

// Lets the user interface handle its pending events (timers, clicks, repaints,
// network progress), then sleeps until the next event arrives or the given time
// has passed. The thread never spins while nothing happens.
void processEventsOrSleep(int maxMilliseconds);
