#pragma once

#include "KeyedControl.h"
#include "TextOrvFrame.h"

// The base of the input controls whose inner box sits inside a frame element drawn on the
// control's own surface: it holds and paints the frame, lays the box out on resizing and
// sets the box's font.
class FramedInput : public KeyedControl
{
    Q_OBJECT

protected:
    explicit FramedInput(QWidget *parent);

    const TextOrvFrame &frame() const { return m_frame; }
    TextOrvFrame &frame() { return m_frame; }

    // The default puts the inner box 20 twips in and the frame around it.
    virtual void layoutChildren();

    // The inner box's font, as the property tables of the controls assign it; a size of
    // zero or less is ignored.
    void applyFontName(const QString &value);
    void applyFontSize(float value);
    void applyFontBold(bool value);
    void applyFontItalic(bool value);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    TextOrvFrame m_frame;
};
