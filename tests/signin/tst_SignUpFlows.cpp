#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTimer>
#include <QtTest>

#include "MessageBoxWatcher.h"
#include "SignInSession.h"
#include "SignInTestCase.h"
#include "controls/input/TextOrv.h"
#include "platform/Twips.h"
#include "signin/ForgotPasswordPanel.h"
#include "signin/FrmSignUp.h"
#include "signin/LoginPanel.h"
#include "signin/NewPasswordPanel.h"
#include "signin/OtpPanel.h"
#include "signin/ResendCountdown.h"
#include "signin/SignUpPanel.h"

using SignInSession::typeInto;

namespace
{

const QString password = QStringLiteral("Secret#2026");

// Each test signs up numbers of its own: the service keeps its accounts for the run.
QString freshNumber()
{
    static int next = 1;
    return QStringLiteral("90000000%1").arg(next++, 2, 10, QChar(u'0'));
}

// A code of the right shape that is not the one sent.
QString wrongCode(const QString &sent)
{
    return QStringLiteral("%1").arg((sent.toInt() + 1) % 1000000, 6, 10, QChar(u'0'));
}

} // namespace

class tst_SignUpFlows : public SignInTestCase
{
    Q_OBJECT

public:
    tst_SignUpFlows() : SignInTestCase(QStringLiteral("AA-BB-CC-DD-EE-02")) {}

private:
    // From the sign-up panel to the code panel with a real code sent.
    void submitSignUp(FrmSignUp &window, const QString &mobile)
    {
        SignInSession::fillSignUp(*window.Frame1(), mobile, password);
        window.Frame1()->CmdSubmit->click();
        QVERIFY(window.Frame6()->isVisible());
    }

    void logIn(FrmSignUp &window, const QString &mobile, const QString &withPassword)
    {
        typeInto(window.Frame5()->TxtMobile1, mobile);
        typeInto(window.Frame5()->TxtPassword2, withPassword);
        window.Frame5()->CmdLogin->click();
    }

private slots:
    void signUpCreatesTheAccountAndLogsIn()
    {
        const QString mobile = freshNumber();
        MessageBoxWatcher boxes;
        const bool signedIn = SignInSession::open([&](FrmSignUp &window) {
            submitSignUp(window, mobile);
            OtpPanel &otp = *window.Frame6();
            QVERIFY2(window.Frame1()->isVisible(), "the code panel lies over the sign-up panel");
            QCOMPARE(window.windowTitle(), QStringLiteral("Sign Up"));
            QCOMPARE(window.width(), Twips::toPixels(12375, window));
            QCOMPARE(otp.LblMobileNp->text(), "(+91 " + mobile + ")");
            QCOMPARE(otp.Command3->text(), QStringLiteral("Resend OTP 120 Sec"));
            QVERIFY(!otp.Command3->isEnabled());
            QVERIFY(otp.Timer1->isActive());
            QCOMPARE(window.ResetUserId(), 0);

            typeInto(otp.txtOTP, service->latestOtp(mobile));
            otp.Command4->click();
            QVERIFY(window.Frame5()->isVisible());
            QVERIFY(!window.Frame1()->isVisible() && !window.Frame6()->isVisible());
            QCOMPARE(window.windowTitle(), QStringLiteral("Sign In"));
            QCOMPARE(window.width(), Twips::toPixels(15000, window));
            QVERIFY(!otp.Timer1->isActive());
            QCOMPARE(otp.Command3->text(), QStringLiteral("Resend OTP"));
            QCOMPARE(window.focusWidget(), window.Frame5()->TxtMobile1->Text1());
            QCOMPARE(rowsOf(mobile), 1);

            logIn(window, mobile, password);
        });
        QVERIFY(boxes.messages().isEmpty());
        QVERIFY(signedIn);
    }

    void wrongCodeShowsTheServiceMessageOnce()
    {
        const QString mobile = freshNumber();
        MessageBoxWatcher boxes;
        SignInSession::open([&](FrmSignUp &window) {
            submitSignUp(window, mobile);
            OtpPanel &otp = *window.Frame6();
            typeInto(otp.txtOTP, wrongCode(service->latestOtp(mobile)));
            window.Frame1()->TxtName->setFocus();
            otp.Command4->click();
            QVERIFY(otp.isVisible() && !window.Frame5()->isVisible());
            QCOMPARE(window.focusWidget(), otp.txtOTP->Text1());
            QVERIFY(otp.Timer1->isActive());
            window.close();
        });
        QCOMPARE(boxes.single().text, QStringLiteral("The OTP is incorrect. 4 attempts left."));
        QCOMPARE(boxes.single().icon, QMessageBox::Warning);
        QCOMPARE(rowsOf(mobile), 0);
    }

    void malformedCodesNeverReachTheService_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("five digits") << "12345"
                                     << "OTP should be 6 digits.";
        QTest::newRow("empty") << ""
                               << "OTP should be 6 digits.";
        QTest::newRow("blank inside") << "12 456"
                                      << "Please enter valid OTP";
        QTest::newRow("two decimal points") << "1.2.45"
                                            << "Please enter valid OTP";
    }
    void malformedCodesNeverReachTheService()
    {
        QFETCH(QString, code);
        QFETCH(QString, message);
        const QString mobile = freshNumber();
        MessageBoxWatcher boxes;
        SignInSession::open([&](FrmSignUp &window) {
            submitSignUp(window, mobile);
            // Any request from here on would end in a message about the lost connection.
            QVERIFY(service->setFault("drop-connection"));
            window.Frame6()->txtOTP->letText(code);
            window.Frame1()->TxtName->setFocus();
            window.Frame6()->Command4->click();
            QCOMPARE(window.focusWidget(), window.Frame6()->txtOTP->Text1());
            QVERIFY(window.Frame6()->isVisible());
            window.close();
        });
        QCOMPARE(boxes.single().text, message);
        QCOMPARE(boxes.single().icon, QMessageBox::Critical);
    }

    void emptyVerifyReplyKeepsThePanel()
    {
        const QString mobile = freshNumber();
        MessageBoxWatcher boxes;
        const bool signedIn = SignInSession::open([&](FrmSignUp &window) {
            submitSignUp(window, mobile);
            OtpPanel &otp = *window.Frame6();
            typeInto(otp.txtOTP, service->latestOtp(mobile));
            QVERIFY(service->setFault("empty-body"));
            otp.Command4->click();
            QVERIFY(otp.isVisible() && !window.Frame5()->isVisible());
            QCOMPARE(rowsOf(mobile), 0);
            // The same code still works once the service answers again.
            QVERIFY(service->setFault("none"));
            otp.Command4->click();
            QVERIFY(window.Frame5()->isVisible());
            window.close();
        });
        QVERIFY(!signedIn);
        QCOMPARE(boxes.single().text,
                 QStringLiteral("Time out occured. Please try after some time."));
        QCOMPARE(boxes.single().icon, QMessageBox::Critical);
        QCOMPARE(rowsOf(mobile), 1);
    }

    void failedSendKeepsTheSignUpPanel_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("registered");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::newRow("number already registered")
            << "none" << true << "This mobile number is already registered. Please sign in."
            << QMessageBox::Warning;
        QTest::newRow("empty reply")
            << "empty-body" << false << "Time out occured. Please try after some time."
            << QMessageBox::Critical;
    }
    void failedSendKeepsTheSignUpPanel()
    {
        QFETCH(QString, fault);
        QFETCH(bool, registered);
        QFETCH(QString, message);
        QFETCH(QMessageBox::Icon, icon);
        const QString mobile = freshNumber();
        if (registered)
            SignInSession::registerAccount(*service, mobile, password);
        MessageBoxWatcher boxes;
        SignInSession::open([&](FrmSignUp &window) {
            QVERIFY(service->setFault(fault));
            SignInSession::fillSignUp(*window.Frame1(), mobile, password);
            window.Frame1()->CmdSubmit->click();
            QVERIFY(window.Frame1()->isVisible() && !window.Frame6()->isVisible());
            QCOMPARE(window.Frame1()->TxtMobileNo->Text(), mobile);
            QCOMPARE(window.Frame1()->TxtPassword->Text(), password);
            window.close();
        });
        QCOMPARE(boxes.single().text, message);
        QCOMPARE(boxes.single().icon, icon);
    }

    void resetChangesEveryRowThenASignUpStaysASignUp()
    {
        const QString mobile = freshNumber();
        const QString newPassword = QStringLiteral("Fresh@Pass9");
        SignInSession::registerAccount(*service, mobile, password);
        insertRow(mobile, machine(), password);
        insertRow(mobile, QStringLiteral("AA-BB-CC-DD-EE-77"), password);
        insertRow(QStringLiteral("9123456780"), machine(), password);
        const QString later = freshNumber();
        MessageBoxWatcher boxes;
        const bool signedIn = SignInSession::open([&](FrmSignUp &window) {
            window.Frame5()->CmdForgatPassord->click();
            typeInto(window.Frame7()->Text1, mobile);
            window.Frame7()->Command5->click();
            OtpPanel &otp = *window.Frame6();
            QVERIFY(otp.isVisible());
            for (QWidget *other :
                 {static_cast<QWidget *>(window.Frame1()), static_cast<QWidget *>(window.Frame5()),
                  static_cast<QWidget *>(window.Frame7())})
                QVERIFY(!other->isVisible());
            QCOMPARE(window.windowTitle(), QStringLiteral("Forgot Password"));
            QCOMPARE(otp.LblMobileNp->text(), "(+91 " + mobile + ")");
            QCOMPARE(otp.Command3->text(), QStringLiteral("Resend OTP 120 Sec"));
            QVERIFY(window.ResetUserId() >= 1);

            typeInto(otp.txtOTP, service->latestOtp(mobile));
            otp.Command4->click();
            NewPasswordPanel &fresh = *window.Frame8();
            QVERIFY(fresh.isVisible() && !otp.isVisible());
            QCOMPARE(window.focusWidget(), fresh.txtForPass->Text1());
            typeInto(fresh.txtForPass, newPassword);
            typeInto(fresh.txtForConPass, newPassword);
            fresh.Command8->click();
            QVERIFY(window.Frame5()->isVisible() && !fresh.isVisible());
            QCOMPARE(window.windowTitle(), QStringLiteral("Sign In"));
            QCOMPARE(window.width(), Twips::toPixels(15000, window));
            QCOMPARE(window.Frame5()->TxtMobile1->Text(), QString());

            // A sign-up in the same window afterwards creates an account, no reset.
            window.Frame5()->Command2->click();
            submitSignUp(window, later);
            QCOMPARE(window.ResetUserId(), 0);
            typeInto(otp.txtOTP, service->latestOtp(later));
            otp.Command4->click();
            QVERIFY(window.Frame5()->isVisible() && !window.Frame8()->isVisible());
            QCOMPARE(rowsOf(later), 1);

            logIn(window, mobile, newPassword);
        });
        QVERIFY(boxes.messages().isEmpty());
        QVERIFY(signedIn);
        QCOMPARE(db->column("select distinct concat(sPassword, '|', cPassword) from it_TBL115BAC "
                            "where MobileNo='" +
                            mobile + "'"),
                 QVariantList({newPassword + "|" + newPassword}));
        QCOMPARE(db->scalar("select sPassword from it_TBL115BAC where MobileNo='9123456780'"),
                 QVariant(password));
    }

    void refusedResetSendKeepsTheForgotPanel()
    {
        insertRow(QStringLiteral("9123456780"), machine(), password);
        MessageBoxWatcher boxes;
        SignInSession::open([&](FrmSignUp &window) {
            window.Frame5()->CmdForgatPassord->click();
            window.Frame7()->Command5->click();
            QVERIFY(window.Frame7()->isVisible() && !window.Frame6()->isVisible());
            QCOMPARE(window.Frame6()->LblMobileNp->text(), QStringLiteral("(+91 )"));
            window.close();
        });
        QCOMPARE(boxes.single().icon, QMessageBox::Warning);
        QVERIFY2(boxes.single().text.contains("mobile", Qt::CaseInsensitive),
                 qPrintable(boxes.single().text));
    }
};

QTEST_MAIN(tst_SignUpFlows)
#include "tst_SignUpFlows.moc"
