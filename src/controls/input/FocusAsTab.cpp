#include "controls/input/FocusAsTab.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

void moveFocusAsTab()
{
    QWidget *focused = QApplication::focusWidget();
    if (!focused)
        return;
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(focused, &tab);
}
