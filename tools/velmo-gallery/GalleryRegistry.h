#pragma once

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// One named state of one control: the set-up makes the control in that state on `parent`.
// A focused state asks for the focus once the page is shown.
struct GalleryState {
    QString control;
    QString name;
    std::function<QWidget *(QWidget *parent)> setUp;
    bool focused = false;
};

// Every control of the library in the states the sheet shows, control by control.
const QList<GalleryState> &galleryStates();
