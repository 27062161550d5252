#pragma once

#include <QDialog>
#include <QList>

#include "PanelCensus.h"

// A plain QDialog with the same standard controls as the sign-in window: one frame
// per panel, stacked on the same area, each with the counted labels, line edits,
// buttons, check and option boxes, shown or hidden as the window's panels were.
// It reads nothing and runs no start-up: the floor the window's first frame is
// compared against.
class BareSignInDialog : public QDialog
{
public:
    BareSignInDialog(const QList<PanelCensus> &panels, const QSize &size);
};
