#pragma once

#include "KeyedControl.h"
#include "TextOrvFrame.h"

// The base of the input controls whose inner box sits inside a frame element drawn on the
// control's own surface: it holds and paints the frame and lays the box out on resizing.
class FramedInput : public KeyedControl
{
    Q_OBJECT

protected:
    explicit FramedInput(QWidget *parent);

    const TextOrvFrame &frame() const { return m_frame; }
    TextOrvFrame &frame() { return m_frame; }

    // The default puts the inner box 20 twips in and the frame around it.
    virtual void layoutChildren();

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    TextOrvFrame m_frame;
};
