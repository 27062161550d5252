#pragma once

#include <QWidget>

// A horizontal etched rule: a light line with a white one just below it, as wide as the
// control, whose height always returns to 30 twips.
class orvSeparator : public QWidget
{
    Q_OBJECT

public:
    explicit orvSeparator(QWidget *parent = nullptr);

    QWidget *Line1() const { return m_line1; }
    QWidget *Line2() const { return m_line2; }

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    int height30Twips() const;

    QWidget *m_line1;
    QWidget *m_line2;
};
