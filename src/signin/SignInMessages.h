#pragma once

#include <QString>

class QWidget;

// Every message box of the sign-in window: modal, one OK button, titled with the
// application name the host handed to SignUp.
class SignInMessages
{
public:
    SignInMessages(QWidget *window, const QString &title) : m_window(window), m_title(title) {}

    void setTitle(const QString &title) { m_title = title; }
    QString title() const { return m_title; }

    void information(const QString &text) const;
    void exclamation(const QString &text) const;
    void critical(const QString &text) const;

private:
    QWidget *m_window;
    QString m_title;
};
