#include <QtTest>

#include "SignInTestCase.h"
#include "platform/Twips.h"
#include "signin/ScreenTransitions.h"

using SignInSession::typeInto;

namespace
{

// The user's clicks from the first screen up to and including the move under test.
using Route = std::function<void(FrmSignUp &, const QString &mobile)>;
// The control that must have the focus afterwards; none: only that no hidden one has it.
using FocusOf = std::function<TextOrv *(FrmSignUp &)>;

Route then(const Route &first, const Route &second)
{
    return [=](FrmSignUp &w, const QString &mobile) {
        first(w, mobile);
        if (!QTest::currentTestFailed())
            second(w, mobile);
    };
}

Route click(QPushButton *(*button)(FrmSignUp &))
{
    return [=](FrmSignUp &w, const QString &) { button(w)->click(); };
}

const QString names[] = {"sign-up", "login", "code", "forgot", "new-password"};
const Screen screens[] = {Screen::SignUp, Screen::Login, Screen::OneTimePassword,
                          Screen::ForgotPassword, Screen::NewPassword};

QString visiblePanels(FrmSignUp &w)
{
    QStringList shown;
    for (int i = 0; i < 5; ++i)
        if (w.panel(screens[i])->isVisible())
            shown << names[i];
    return shown.join(u' ');
}

} // namespace

Q_DECLARE_METATYPE(Route)
Q_DECLARE_METATYPE(FocusOf)

class tst_ScreenTransitions : public SignInTestCase
{
    Q_OBJECT

private slots:
    void everyMoveSetsCaptionWidthPanelsAndFocus_data()
    {
        QTest::addColumn<bool>("startOnLogin");
        QTest::addColumn<Route>("route");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("widthTwips");
        QTest::addColumn<QString>("visible");
        QTest::addColumn<FocusOf>("focus");

        const Route signIn = click([](FrmSignUp &w) { return w.Frame1()->CmdSignIn; });
        const Route signUp = click([](FrmSignUp &w) { return w.Frame5()->Command2; });
        const Route forgot = click([](FrmSignUp &w) { return w.Frame5()->CmdForgatPassord; });
        const Route cancel = click([](FrmSignUp &w) { return w.Frame7()->Command6; });
        const Route submit = [](FrmSignUp &w, const QString &mobile) {
            SignInSession::submitSignUp(w, mobile, password);
        };
        const Route send = SignInSession::sendResetCode;
        const Route verify = [this](FrmSignUp &w, const QString &mobile) {
            SignInSession::verifyCode(w, *service, mobile);
        };
        const Route update = [](FrmSignUp &w, const QString &) {
            typeInto(w.Frame8()->txtForPass, newPassword);
            typeInto(w.Frame8()->txtForConPass, newPassword);
            w.Frame8()->Command8->click();
        };
        const Route logIn = [](FrmSignUp &w, const QString &mobile) {
            SignInSession::logIn(w, mobile, password);
        };
        const FocusOf none;

        QTest::newRow("T1 Sign In from sign-up")
            << false << signIn << "Sign In" << 15000 << "login" << none;
        QTest::newRow("T2 Sign Up from login")
            << true << signUp << "Sign Up" << 15000 << "sign-up" << none;
        QTest::newRow("T3 forgot password from login")
            << true << forgot << "Forgot Password" << 11500 << "forgot"
            << FocusOf([](FrmSignUp &w) { return w.Frame7()->Text1; });
        QTest::newRow("T4 cancel forgot password")
            << true << then(forgot, cancel) << "Sign In" << 15000 << "login" << none;
        // The window unloads: no caption, width or panel of its own.
        QTest::newRow("T5 successful login") << true << logIn << "" << 0 << "closed" << none;
        QTest::newRow("T6 code sent for a sign-up")
            << false << submit << "Sign Up" << 12375 << "sign-up code" << none;
        QTest::newRow("T7 code sent for a reset")
            << true << send << "Forgot Password" << 12375 << "code" << none;
        QTest::newRow("T8 reset code accepted")
            << true << then(send, verify) << "Forgot Password" << 12375 << "new-password"
            << FocusOf([](FrmSignUp &w) { return w.Frame8()->txtForPass; });
        QTest::newRow("T9 account created")
            << false << then(submit, verify) << "Sign In" << 15000 << "login"
            << FocusOf([](FrmSignUp &w) { return w.Frame5()->TxtMobile1; });
        QTest::newRow("T10 password changed")
            << true << then(then(send, verify), update) << "Sign In" << 15000 << "login" << none;
    }
    void everyMoveSetsCaptionWidthPanelsAndFocus()
    {
        QFETCH(bool, startOnLogin);
        QFETCH(Route, route);
        QFETCH(QString, caption);
        QFETCH(int, widthTwips);
        QFETCH(QString, visible);
        QFETCH(FocusOf, focus);

        const QString mobile = freshNumber();
        if (startOnLogin) {
            SignInSession::registerAccount(*service, mobile, password);
            insertRow(mobile, machine(), password);
        }
        MessageBoxWatcher boxes;
        const bool signedIn = SignInSession::open([&](FrmSignUp &window) {
            route(window, mobile);
            if (visible == u"closed") {
                QVERIFY(!window.isVisible());
                return;
            }
            QCOMPARE(window.windowTitle(), caption);
            QCOMPARE(window.width(), Twips::toPixels(widthTwips, window));
            QCOMPARE(visiblePanels(window), visible);
            QWidget *focused = window.focusWidget();
            if (focus)
                QCOMPARE(focused, focus(window)->Text1());
            else
                QVERIFY2(!focused || focused->isVisible(), "the focus is on a hidden control");
        });
        QCOMPARE(signedIn, visible == u"closed");
        QCOMPARE(boxes.messages().size(), 0);
    }
};

QTEST_MAIN(tst_ScreenTransitions)
#include "tst_ScreenTransitions.moc"
