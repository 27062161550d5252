#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

// The validation event of an input: raised when the user moves the focus from the
// input to another control, with a cancel flag that brings the focus back when set.
// A control whose "CausesValidation" property is false (links that leave the screen)
// takes the focus without raising it, and window activation never raises it.
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
    void validate();

    QPointer<QWidget> m_input;
    Handler m_handler;
    // Set while a cancelled validation takes the focus back, so that the control it
    // leaves does not validate in turn and the two never bounce the focus.
    static inline bool s_restoringFocus = false;
};
