#pragma once

#include <QObject>

#include <functional>

class QLabel;

// A click on a label: a press and a release of the left button, both on that label.
// Other buttons, and a press that is released elsewhere, do nothing.
class LabelClick : public QObject
{
    Q_OBJECT

public:
    // Runs action on each click of label; the filter lives as long as the label.
    static void attach(QLabel *label, std::function<void()> action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    LabelClick(QLabel *label, std::function<void()> action);

    QLabel *m_label;
    std::function<void()> m_action;
    bool m_pressed = false;
};
