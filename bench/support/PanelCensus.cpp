#include "PanelCensus.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

PanelCensus PanelCensus::of(const QWidget &panel)
{
    PanelCensus census;
    census.labels = int(panel.findChildren<QLabel *>().size());
    census.lineEdits = int(panel.findChildren<QLineEdit *>().size());
    census.pushButtons = int(panel.findChildren<QPushButton *>().size());
    census.toolButtons = int(panel.findChildren<QToolButton *>().size());
    census.checkBoxes = int(panel.findChildren<QCheckBox *>().size());
    census.radioButtons = int(panel.findChildren<QRadioButton *>().size());
    census.visible = panel.isVisible();
    return census;
}

int PanelCensus::controls() const
{
    return labels + lineEdits + pushButtons + toolButtons + checkBoxes + radioButtons;
}

int controlsIn(const QList<PanelCensus> &panels)
{
    int total = 0;
    for (const PanelCensus &panel : panels)
        total += panel.controls();
    return total;
}
