#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

// The validation event of an input: raised whenever the input is about to lose the focus
// to another control, with a cancel flag that keeps the focus in it when set. Window
// activation (a message box, another program) never raises it.
// The event is settled before the gesture that moved the focus goes on: a cancelled
// validation swallows the mouse press or key that would have acted on the other control,
// so a button whose press took the focus does not click.
class ValidateOnLeave : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(bool &cancel)>;

    // Watches input (the widget that really holds the focus); the filter lives as long
    // as the input.
    static void attach(QWidget *input, Handler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ValidateOnLeave(QWidget *input, Handler handler);
    void focusLeft(const QEvent *event);
    // Raises the event if the input has left and not yet validated; true when cancelled.
    bool validate();

    QPointer<QWidget> m_input;
    Handler m_handler;
    // Set from the moment the focus leaves until the event has been raised; meanwhile
    // the filter also watches the application's user input.
    bool m_pending = false;
    // Set while a cancelled validation takes the focus back, so that the control it
    // leaves does not validate in turn and the two never bounce the focus.
    static inline bool s_restoringFocus = false;
};
