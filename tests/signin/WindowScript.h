#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class FrmSignUp;

// Runs a script on the sign-in window once it is open and modal, as a user at the
// screen would, while the code under test sits in SignUp(). A script whose check
// failed leaves the window closed.
class WindowScript : public QObject
{
    Q_OBJECT

public:
    explicit WindowScript(std::function<void(FrmSignUp &)> script);

    bool ran() const { return m_ran; }

private:
    void poll();

    std::function<void(FrmSignUp &)> m_script;
    QTimer m_timer;
    bool m_ran = false;
};
