#pragma once

#include "controls/core/UserControl.h"

class QKeyEvent;

// The base of the input controls built round one inner widget whose keys the form hears
// first: KeyDown, KeyPress and KeyUp go out synchronously with arguments by reference, so
// the form can change or cancel a key before the control acts on it. Tab and Shift+Tab
// belong to focus navigation and are never reported. The control is entered when the focus
// comes into the inner widget and left when it goes; once entered, window activation and
// popups (a context menu, the combo's own list) neither leave nor enter it again.
class KeyedControl : public UserControl
{
    Q_OBJECT

signals:
    void KeyDown(short &KeyCode, short &Shift);
    void KeyPress(short &KeyAscii);
    void KeyUp(short &KeyCode, short &Shift);
    // The inner widget's text changed, typed or assigned.
    void Change();

protected:
    explicit KeyedControl(QWidget *parent);

    // Routes the events of `inner` through the handlers below and makes it the focus proxy.
    void watchKeysOf(QWidget *inner);
    QWidget *innerWidget() const { return m_inner; }

    // A key press after the form's KeyDown, with the key code as the form left it; answers
    // whether the event is done with.
    virtual bool keyPressed(QKeyEvent &event, short keyCode) = 0;
    // A key release after the form's KeyUp.
    virtual void keyReleased(short keyCode, short shift);
    virtual void entered() {}
    virtual void left() {}
    // Any other event of the inner widget; answers whether it is done with.
    virtual bool innerEvent(QEvent &event);

    // Raises KeyPress for a typed character code: answers the code the form left, 0 when
    // the form cancelled it. An Enter the form left moves on as Tab does and types nothing,
    // unless the control hands Enter on to the form alone.
    int formKeyPress(int typed);
    void keepEnter() { m_movesOnAtEnter = false; }
    // Hands an event to the inner widget as it is, without reporting it to the form again.
    void passOn(QEvent &event);
    // Whether the inner widget is handling an event that passOn() gave it.
    bool passingOn() const { return m_passingOn; }

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_inner = nullptr;
    bool m_entered = false;
    bool m_passingOn = false;
    bool m_movesOnAtEnter = true;
};
