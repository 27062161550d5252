#pragma once

#include <QPushButton>

// A flat button drawn as a link: bold text in the heading colour, left-aligned, underlined
// while it has the focus and grey when disabled. Painted here, as a style sheet per button
// costs a parse and a polish each time a window opens.
class LinkButton : public QPushButton
{
    Q_OBJECT

public:
    explicit LinkButton(const QString &caption, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Layouts ask for the size many times while a window opens; it is measured again only
    // when the caption or the font has changed.
    mutable QString m_measuredText;
    mutable QFont m_measuredFont;
    mutable QSize m_measuredSize;
};
