#include "entry/AutomationApplication.h"

#include <QApplication>

void ensureAutomationApplication()
{
    if (QCoreApplication::instance())
        return;
    // QApplication keeps references to both for its whole life.
    static int argc = 1;
    static char name[] = "VelmoITNet22SU";
    static char *argv[] = {name, nullptr};
    // Lives until the process ends, like the host context it serves.
    new QApplication(argc, argv);
}
