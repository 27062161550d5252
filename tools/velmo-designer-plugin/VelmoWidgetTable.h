#pragma once

#include <QSize>
#include <vector>

class QWidget;

// One control of the library as Qt Designer offers it.
struct VelmoWidgetEntry {
    const char *className;
    const char *includeFile;
    const char *toolTip;
    QSize size;
    QWidget *(*create)(QWidget *parent);
};

// Every control of the library, in the order of the widget box.
const std::vector<VelmoWidgetEntry> &velmoWidgets();
