#pragma once

#include <QList>

class QWidget;

// How many standard controls of each kind one panel holds (its nested boxes
// included), and whether it shows.
struct PanelCensus {
    int labels = 0;
    int lineEdits = 0;
    int pushButtons = 0;
    int toolButtons = 0;
    int checkBoxes = 0;
    int radioButtons = 0;
    bool visible = false;

    static PanelCensus of(const QWidget &panel);
    int controls() const;
};

int controlsIn(const QList<PanelCensus> &panels);
