#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "HumanMessage.h"
#include "SignInTestCase.h"

using SignInSession::typeInto;

namespace
{

// Puts text into the input the way a user brings in text that is hard to type: paste.
void paste(TextOrv *input, const QString &text)
{
    input->Text1()->setFocus();
    input->Text1()->selectAll();
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(input->Text1(), Qt::Key_V, Qt::ControlModifier);
}

void addHostileRows()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("quotes") << QStringLiteral("O'Brien \"Ltd\" `x`");
    QTest::newRow("backslashes") << QStringLiteral("C:\\new\\table\\' \\\"");
    QTest::newRow("SQL fragment") << QStringLiteral("x'); DROP TABLE it_TBL115BAC; -- ");
    QTest::newRow("JSON fragment") << QStringLiteral("\",\"status\":\"1\",\"x\":\"");
    QTest::newRow("right to left") << QStringLiteral("\u202Eשלום مرحبا\u202C");
    QTest::newRow("emoji") << QStringLiteral("😀👍🏽 Ünïcödé ✓");
    QTest::newRow("10,000 characters") << QString(9999, u'q') + u'\'';
}

} // namespace

class tst_HostileInput : public SignInTestCase
{
    Q_OBJECT

private:
    const QString registered = QStringLiteral("9100000000");

    // The account the service keeps for the number, as it stored it.
    QJsonObject serviceAccount(const QString &mobile) const
    {
        QFile file(service->dataDir() + QStringLiteral("/accounts.json"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QJsonArray users =
            QJsonDocument::fromJson(file.readAll()).object().value("users").toArray();
        for (const QJsonValue &user : users)
            if (user.toObject().value("mobile_no").toString() == mobile)
                return user.toObject();
        return {};
    }

private slots:
    void initTestCase()
    {
        SignInTestCase::initTestCase();
        SignInSession::registerAccount(*service, registered, password);
    }

    void signUpDetailsReachTheServiceLiterally_data() { addHostileRows(); }
    void signUpDetailsReachTheServiceLiterally()
    {
        QFETCH(QString, text);
        const QString mobile = freshNumber();
        QString sentName, sentFirm;
        MessageBoxWatcher boxes;
        SignInSession::open([&](FrmSignUp &window) {
            SignUpPanel &form = *window.Frame1();
            SignInSession::fillSignUp(form, mobile, password);
            paste(form.TxtName, text);
            paste(form.TxtFirmName, text);
            form.CmdSubmit->click();
            QVERIFY(window.Frame6()->isVisible());
            SignInSession::verifyCode(window, *service, mobile);
            // What the boxes held, after their own rules, is what went out.
            sentName = form.TxtName->Text();
            sentFirm = form.TxtFirmName->Text();
        });
        QVERIFY2(boxes.messages().isEmpty(), qPrintable(boxes.messages().value(0).text));
        const QJsonObject account = serviceAccount(mobile);
        QVERIFY(sentName.size() <= 60 && sentFirm.size() <= 60);
        QCOMPARE(account.value("full_name").toString(), sentName.trimmed());
        QCOMPARE(account.value("organization_name").toString(), sentFirm.trimmed());
        QCOMPARE(rowsOf(mobile), 1);
    }

    // The login window's digit boxes keep digits only; a hostile password is stored as
    // its box holds it, and refused.
    void loginWindowTakesHostileText_data() { addHostileRows(); }
    void loginWindowTakesHostileText()
    {
        QFETCH(QString, text);
        insertRow(registered, machine(), password);
        QString typed;
        MessageBoxWatcher boxes;
        const bool signedIn = SignInSession::open([&](FrmSignUp &window) {
            for (TextOrv *input :
                 {window.Frame5()->TxtMobile1, window.Frame1()->TxtMobileNo,
                  window.Frame1()->txtPinCode, window.Frame7()->Text1, window.Frame6()->txtOTP}) {
                paste(input, "12" + text);
                QVERIFY2(input->Text().size() <= input->MaxLength(),
                         qPrintable(input->objectName()));
                for (const QChar c : input->Text())
                    QVERIFY2(c.isDigit(), qPrintable(input->objectName() + ": " + input->Text()));
                // Typed, the digits stay in their order and Backspace still works.
                QString typable = QStringLiteral("12"), digits = typable;
                for (const QChar c : text.left(40)) {
                    if (c.unicode() >= 128)
                        continue;
                    typable += c;
                    if (c.isDigit())
                        digits += c;
                }
                typeInto(input, typable);
                digits.truncate(input->MaxLength());
                QCOMPARE(input->Text(), digits);
                QTest::keyClick(input->Text1(), Qt::Key_Backspace);
                QCOMPARE(input->Text(), digits.chopped(1));
            }
            LoginPanel &login = *window.Frame5();
            typeInto(login.TxtMobile1, registered);
            paste(login.TxtPassword2, text);
            typed = login.TxtPassword2->Text();
            QVERIFY(typed.size() <= 30);
            login.CmdLogin->click();
            QVERIFY(window.isVisible() && login.isVisible());
        });
        QVERIFY(!signedIn);
        QCOMPARE(boxes.single().icon, QMessageBox::Warning);
        QVERIFY2(whyNotHumanMessage(boxes.single().text).isEmpty(),
                 qPrintable(boxes.single().text));
        QCOMPARE(db->column("select sPassword from it_TBL115BAC"), QVariantList({typed}));
    }

    void hostileEMailGetsAClearAnswer_data()
    {
        QTest::addColumn<QString>("email");
        QTest::newRow("quotes") << QStringLiteral("a'b\"c@example.in");
        QTest::newRow("SQL") << QStringLiteral("x@y.in'; DROP TABLE it_TBL115BAC; --");
        QTest::newRow("emoji") << QStringLiteral("😀@example.in");
        QTest::newRow("10,000 characters") << QString(9990, u'e') + QStringLiteral("@example.in");
    }
    void hostileEMailGetsAClearAnswer()
    {
        QFETCH(QString, email);
        const QString mobile = freshNumber();
        MessageBoxWatcher boxes;
        SignInSession::open([&](FrmSignUp &window) {
            SignUpPanel &form = *window.Frame1();
            SignInSession::fillSignUp(form, mobile, password);
            paste(form.TxtEmail, email);
            form.CmdSubmit->click();
            // Either the code went out, or the service said why not and the form stays.
            QVERIFY(window.Frame6()->isVisible() || boxes.messages().size() == 1);
        });
        for (const MessageBoxWatcher::Message &message : boxes.messages())
            QVERIFY2(whyNotHumanMessage(message.text).isEmpty(), qPrintable(message.text));
        QVERIFY(db->scalar("select count(*) from it_TBL115BAC").isValid());
    }
};

QTEST_MAIN(tst_HostileInput)
#include "tst_HostileInput.moc"
