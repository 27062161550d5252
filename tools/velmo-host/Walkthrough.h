#pragma once

#include <QDir>
#include <QString>
#include <QTextStream>
#include <QTimer>

#include <functional>

class FrmSignUp;
class clsVelmoITNet22SU;

// A scripted session on the sign-in window, as a person would go through it: sign up
// with a new number, read the code from the account service's outbox, verify, log in
// with remember-me, open the window again, then reset the password and log in with
// the new one. Every step saves a screenshot and prints its outcome.
class Walkthrough : public QObject
{
    Q_OBJECT

public:
    Walkthrough(clsVelmoITNet22SU &api, const QString &screenshotFolder, QTextStream &out);

    // True when every step came out as expected.
    bool run();

private:
    // Opens the window through the host API and runs script once it is on screen;
    // what SignUp answered.
    bool openWindow(const std::function<void(FrmSignUp &)> &script);
    void step(FrmSignUp &window, const QString &name, bool passed, const QString &outcome);
    QString latestCode() const;
    void answerMessageBox();

    void signUp(FrmSignUp &window);
    void logInRemembered(FrmSignUp &window);
    void checkRemembered(FrmSignUp &window);
    void resetPassword(FrmSignUp &window);

    clsVelmoITNet22SU &m_api;
    QDir m_folder;
    QTextStream &m_out;
    QString m_mobile;
    int m_steps = 0;
    bool m_allPassed = true;
    QTimer m_messageWatch;
};
