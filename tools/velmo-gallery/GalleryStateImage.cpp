#include "GalleryStateImage.h"

#include <QApplication>
#include <QWidget>

#include "GalleryRegistry.h"

QImage renderGalleryState(const GalleryState &state)
{
    QWidget form;
    QPalette grey = form.palette();
    grey.setColor(QPalette::Window, QColor::fromRgb(galleryFormGrey));
    form.setPalette(grey);
    form.setAutoFillBackground(true);
    // The form keeps the focus itself unless the state asks for it, since a new window
    // hands it to its first control.
    form.setFocusPolicy(Qt::StrongFocus);
    form.setFocus();
    QWidget *control = state.setUp(&form);
    form.resize(control->size());
    form.show();
    form.activateWindow();
    QApplication::setActiveWindow(&form);
    if (state.focused)
        control->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    // Grabbed through the form, so a shaped control shows the form around its shape.
    return form.grab(control->geometry()).toImage();
}
