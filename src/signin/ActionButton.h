#pragma once

#include <QColor>
#include <QPushButton>

// The button that starts a panel's main action. It looks like any push button until the
// window's start-up colours it; coloured, it is a flat bold caption on its colour (darker
// under the mouse, grey when disabled) with a rounded ring in the heading colour while it
// has the focus. Painted here, as a style sheet per button costs a parse and a polish each
// time a window opens.
class ActionButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ActionButton(const QString &caption, QWidget *parent = nullptr);

    void setColour(const QColor &background);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool coloured() const { return m_background.isValid(); }
    void paintBackground(QPainter &painter, bool ring) const;
    void paintFocusRing(QPainter &painter) const;

    QColor m_background;
};
