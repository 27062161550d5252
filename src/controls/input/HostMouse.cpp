#include "HostMouse.h"

#include <QMouseEvent>

#include "platform/HostKeys.h"
#include "platform/Twips.h"

HostMouse HostMouse::of(const QMouseEvent &event, const QWidget &control)
{
    const Qt::MouseButtons buttons =
        event.type() == QEvent::MouseMove ? event.buttons() : Qt::MouseButtons(event.button());
    const QPoint position = event.position().toPoint();
    return {short((buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
                  (buttons & Qt::MiddleButton ? 4 : 0)),
            HostKeys::shiftState(event), float(Twips::fromPixels(position.x(), control)),
            float(Twips::fromPixels(position.y(), control))};
}
