#include <QLabel>
#include <QTimer>
#include <QtTest>

#include "SignInTestCase.h"

using SignInSession::typeInto;

namespace
{

const QString otherNumber = QStringLiteral("9123456780");

// A code of the right shape that is not the one sent.
QString wrongCode(const QString &sent)
{
    return QStringLiteral("%1").arg((sent.toInt() + 1) % 1000000, 6, 10, QChar(u'0'));
}

} // namespace

class tst_SignUpFlows : public SignInTestCase
{
    Q_OBJECT

private slots:
    // A code the service refuses, or one of the wrong shape that never reaches it, keeps
    // the code panel with the focus on the code and its countdown running.
    void badCodeKeepsTheCodePanel_data()
    {
        QTest::addColumn<QString>("code"); // empty: a code of the right shape, not the one sent
        QTest::addColumn<QString>("message");
        QTest::addColumn<QMessageBox::Icon>("icon");
        const QString shortCode = QStringLiteral("OTP should be 6 digits.");
        const QString notDigits = QStringLiteral("Please enter valid OTP");
        QTest::newRow("wrong code")
            << QString() << "The OTP is incorrect. 4 attempts left." << QMessageBox::Warning;
        QTest::newRow("five digits") << "12345" << shortCode << QMessageBox::Critical;
        QTest::newRow("empty") << "" << shortCode << QMessageBox::Critical;
        QTest::newRow("blank inside") << "12 456" << notDigits << QMessageBox::Critical;
        QTest::newRow("two decimal points") << "1.2.45" << notDigits << QMessageBox::Critical;
    }
    void badCodeKeepsTheCodePanel()
    {
        QFETCH(QString, code);
        QFETCH(QString, message);
        QFETCH(QMessageBox::Icon, icon);
        const QString mobile = freshNumber();
        MessageBoxWatcher boxes;
        SignInSession::open([&](FrmSignUp &window) {
            SignInSession::submitSignUp(window, mobile, password);
            OtpPanel &otp = *window.Frame6();
            if (code.isNull()) {
                otp.txtOTP->letText(wrongCode(service->latestOtp(mobile)));
            } else {
                otp.txtOTP->letText(code);
                // Any request from here on would end in a message about the lost connection.
                QVERIFY(service->setFault("drop-connection"));
            }
            window.Frame1()->TxtName->setFocus();
            otp.Command4->click();
            QVERIFY(otp.isVisible() && !window.Frame5()->isVisible());
            QCOMPARE(window.focusWidget(), otp.txtOTP->Text1());
            QVERIFY(otp.Timer1->isActive());
        });
        QCOMPARE(boxes.single().text, message);
        QCOMPARE(boxes.single().icon, icon);
        QCOMPARE(rowsOf(mobile), 0);
    }

    // Other failures of the send are tst_WindowFaults' part.
    void registeredNumberKeepsTheSignUpPanel()
    {
        const QString mobile = freshNumber();
        SignInSession::registerAccount(*service, mobile, password);
        MessageBoxWatcher boxes;
        SignInSession::open([&](FrmSignUp &window) {
            SignInSession::submitSignUp(window, mobile, password);
            QVERIFY(window.Frame1()->isVisible() && !window.Frame6()->isVisible());
            QCOMPARE(window.Frame1()->TxtMobileNo->Text(), mobile);
            QCOMPARE(window.Frame1()->TxtPassword->Text(), password);
        });
        QCOMPARE(boxes.single().text,
                 QStringLiteral("This mobile number is already registered. Please sign in."));
        QCOMPARE(boxes.single().icon, QMessageBox::Warning);
    }

    // Where the panels, caption and focus go is tst_ScreenTransitions' part; this is what
    // the code panel shows and counts, and what the rows keep.
    void resetChangesEveryRowThenASignUpStaysASignUp()
    {
        const QString mobile = freshNumber();
        SignInSession::registerAccount(*service, mobile, password);
        insertRow(mobile, machine(), password);
        insertRow(mobile, QStringLiteral("AA-BB-CC-DD-EE-77"), password);
        insertRow(otherNumber, machine(), password);
        const QString later = freshNumber();
        MessageBoxWatcher boxes;
        const bool signedIn = SignInSession::open([&](FrmSignUp &window) {
            SignInSession::sendResetCode(window, mobile);
            OtpPanel &otp = *window.Frame6();
            QCOMPARE(otp.LblMobileNp->text(), "(+91 " + mobile + ")");
            QCOMPARE(otp.Command3->text(), QStringLiteral("Resend OTP 120 Sec"));
            QVERIFY(window.ResetUserId() >= 1);

            SignInSession::verifyCode(window, *service, mobile);
            NewPasswordPanel &fresh = *window.Frame8();
            typeInto(fresh.txtForPass, newPassword);
            typeInto(fresh.txtForConPass, newPassword);
            fresh.Command8->click();
            QVERIFY(window.Frame5()->isVisible());
            QCOMPARE(window.Frame5()->TxtMobile1->Text(), QString());

            // A sign-up in the same window afterwards creates an account, no reset.
            window.Frame5()->Command2->click();
            SignInSession::submitSignUp(window, later, password);
            QCOMPARE(otp.LblMobileNp->text(), "(+91 " + later + ")");
            QCOMPARE(otp.Command3->text(), QStringLiteral("Resend OTP 120 Sec"));
            QVERIFY(!otp.Command3->isEnabled());
            QVERIFY(otp.Timer1->isActive());
            QCOMPARE(window.ResetUserId(), 0);
            SignInSession::verifyCode(window, *service, later);
            QVERIFY(!otp.Timer1->isActive());
            QCOMPARE(otp.Command3->text(), QStringLiteral("Resend OTP"));
            QCOMPARE(rowsOf(later), 1);

            SignInSession::logIn(window, mobile, newPassword);
        });
        QVERIFY(boxes.messages().isEmpty());
        QVERIFY(signedIn);
        QCOMPARE(
            db->rows("select distinct sPassword, cPassword from it_TBL115BAC where MobileNo='" +
                     mobile + "'"),
            QStringList{newPassword + '|' + newPassword});
        QCOMPARE(fieldOf(otherNumber, "sPassword"), QVariant(password));
    }

    void refusedResetSendKeepsTheForgotPanel()
    {
        insertRow(otherNumber, machine(), password);
        MessageBoxWatcher boxes;
        SignInSession::open([&](FrmSignUp &window) {
            SignInSession::sendResetCode(window, QString());
            QVERIFY(window.Frame7()->isVisible() && !window.Frame6()->isVisible());
            QCOMPARE(window.Frame6()->LblMobileNp->text(), QStringLiteral("(+91 )"));
        });
        QCOMPARE(boxes.single().icon, QMessageBox::Warning);
        QVERIFY2(boxes.single().text.contains("mobile", Qt::CaseInsensitive),
                 qPrintable(boxes.single().text));
    }
};

QTEST_MAIN(tst_SignUpFlows)
#include "tst_SignUpFlows.moc"
