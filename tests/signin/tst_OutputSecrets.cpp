// Passwords, the service's tokens with their check texts and one-time codes must never
// reach the host's stdout or stderr, even with every debug category switched on. This
// binary runs again as a child: a login through the window, the six service calls and a
// refused login against the local service. The parent reads all the child printed.
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <cstdio>

#include "AccountFixture.h"
#include "SignInSession.h"
#include "TestService.h"
#include "ValidSignUp.h"

Q_LOGGING_CATEGORY(outputCanary, "velmo.test.canary", QtWarningMsg)

namespace
{

const QString machine = QStringLiteral("AA-BB-CC-DD-EE-07");
const QString mobile = QStringLiteral("9812345670");
const QString firstPassword = QStringLiteral("Kept$ecret81x");
const QString wrongPassword = QStringLiteral("Guessed$ecret4");
const QString newPassword = QStringLiteral("Fresh$ecret92q");

// Environment that turns this binary into the child and names its inputs.
const char *ledgerVariable = "VELMO_SECRETS_LEDGER";
const bool isChild = qEnvironmentVariableIsSet(ledgerVariable);

// The line with which the child asks for a one-time code.
const QByteArray codeRequest = "velmo-secrets: code needed";
const QByteArray canaryText = "debug output reaches the parent";

} // namespace

class tst_OutputSecrets : public QObject
{
    Q_OBJECT

private:
    // Parent: what the child printed and what it handled.
    QByteArray childStdout;
    QByteArray childStderr;
    QMultiMap<QString, QString> secrets; // by kind
    QString lastServiceCode;

    // Child: everything it handled in secret, one "kind<TAB>value" line each, the value in
    // Base64 (a check text holds any character); the host's database and the client the
    // service calls go through.
    QFile ledger;
    std::unique_ptr<AccountFixture> fixture;

    void runChild()
    {
        TestService service({QStringLiteral("--pbkdf2-iterations=1000")});
        QVERIFY(service.isRunning());
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString ledgerPath = dir.filePath(QStringLiteral("ledger.txt"));

        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.debug=true"));
        environment.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
        environment.insert(QLatin1String(ledgerVariable), ledgerPath);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("childRunsFlows")});
        QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));

        int answered = 0;
        const QDeadlineTimer deadline(180000); // three minutes for every flow of the child
        while (child.state() != QProcess::NotRunning && !deadline.hasExpired()) {
            child.waitForReadyRead(100);
            childStdout += child.readAllStandardOutput();
            childStderr += child.readAllStandardError();
            for (; answered < childStdout.count(codeRequest); ++answered) {
                lastServiceCode = service.latestOtp(mobile);
                child.write(lastServiceCode.toUtf8() + '\n');
            }
        }
        if (child.state() != QProcess::NotRunning) {
            child.kill();
            child.waitForFinished();
        }
        childStdout += child.readAllStandardOutput();
        childStderr += child.readAllStandardError();
        QVERIFY2(!deadline.hasExpired(), "the child did not finish in time");
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 childStdout.right(4000).constData());
        QCOMPARE(answered, 2);

        QFile ledger(ledgerPath);
        QVERIFY(ledger.open(QIODevice::ReadOnly | QIODevice::Text));
        while (!ledger.atEnd()) {
            const QStringList fields = QString::fromUtf8(ledger.readLine()).chopped(1).split(u'\t');
            QCOMPARE(fields.size(), 2);
            secrets.insert(fields.at(0),
                           QString::fromUtf8(QByteArray::fromBase64(fields.at(1).toLatin1())));
        }
    }

    // The ledger is a file, so noting a secret puts nothing on the child's stdout or stderr.
    void note(const QString &kind, const QString &value)
    {
        ledger.write(kind.toUtf8() + '\t' + value.toUtf8().toBase64() + '\n');
        ledger.flush();
    }

    // Asks the parent for the code just sent and reads it from stdin, as a user reads it
    // from the phone and types it.
    QString askForCode(const QString &kind)
    {
        std::printf("%s\n", codeRequest.constData());
        std::fflush(stdout);
        QFile input;
        const QString code = input.open(stdin, QIODevice::ReadOnly)
                                 ? QString::fromUtf8(input.readLine()).trimmed()
                                 : QString();
        note(kind, code);
        return code;
    }

    void noteLogin(const CallOutcome &login, const QString &when)
    {
        QVERIFY(login.succeeded);
        const LoginToken token = fixture->calls.reply().login.value_or(LoginToken());
        note("token " + when, token.token);
        note("check text " + when, token.check);
    }

private slots:
    void initTestCase()
    {
        if (isChild)
            return;
        runChild();
    }

    void childRunsFlows()
    {
        if (!isChild)
            QSKIP("runs in the child that initTestCase starts");
        ledger.setFileName(qEnvironmentVariable(ledgerVariable));
        QVERIFY(ledger.open(QIODevice::WriteOnly | QIODevice::Text));
        note("password", firstPassword);
        note("wrong password", wrongPassword);
        note("new password", newPassword);
        qCDebug(outputCanary) << canaryText.constData();
        qputenv("VELMO_MACHINE_ADDRESS", machine.toUtf8());
        fixture = std::make_unique<AccountFixture>(nullptr, 30, machine);
        AccountServiceCalls &calls = fixture->calls;

        const AccountDetails form = validSignUp(mobile, firstPassword);
        QVERIFY(fixture->signUp(form, [this] { return askForCode("sign-up code"); }).succeeded);

        // Signs in through the window, as a user at the screen would.
        QVERIFY(SignInSession::open(
            [](FrmSignUp &window) { SignInSession::logIn(window, mobile, firstPassword, true); }));
        const QString ofTheRow = " from it_TBL115BAC where MobileNo='" + mobile + "'";
        note("stored token", fixture->db.scalar("select token" + ofTheRow).toString());
        note("stored check text", fixture->db.scalar("select token1" + ofTheRow).toString());

        QVERIFY(calls.ApiLogin(validSignUp(mobile, wrongPassword)).refused);
        noteLogin(calls.ApiLogin(form), "of the first password");

        QVERIFY(
            fixture->run([](AccountServiceCalls &c) { return c.ApiSendOtpForgotPassword(mobile); })
                .succeeded);
        const QString resetCode = askForCode("reset code");
        QVERIFY(fixture
                    ->run([&](AccountServiceCalls &c) {
                        return c.ApiVerifyOtp(mobile, fixture->otpVerificationId, resetCode);
                    })
                    .succeeded);
        QVERIFY(calls
                    .ApiUpdateForgotPassword({mobile, newPassword, newPassword},
                                             fixture->otpVerificationId, fixture->resetUserId)
                    .succeeded);
        noteLogin(calls.ApiLogin(validSignUp(mobile, newPassword)), "of the new password");
        fixture.reset();
    }

    // The run is worth checking only when the child really handled every kind of
    // secret and its debug output did reach the parent.
    void childHandledEverySecret()
    {
        if (isChild)
            QSKIP("checked in the parent");
        QVERIFY2(childStdout.contains(canaryText) || childStderr.contains(canaryText),
                 "a debug message of the child never arrived: stray prints would go unseen");
        for (const char *kind : {"password", "wrong password", "new password"})
            QCOMPARE(secrets.count(kind), 1);
        static const QRegularExpression sixDigits(QStringLiteral("^\\d{6}$"));
        QVERIFY(sixDigits.match(secrets.value("sign-up code")).hasMatch());
        QCOMPARE(secrets.values("reset code"), QStringList{lastServiceCode});
        for (const char *kind :
             {"stored token", "token of the first password", "token of the new password"}) {
            const QString token = secrets.value(kind);
            QVERIFY2(token.count(u'.') == 2 && token.size() > 40, kind);
        }
        for (const char *kind : {"stored check text", "check text of the first password",
                                 "check text of the new password"})
            QVERIFY2(secrets.value(kind).size() >= 8, kind);
    }

    void noSecretInOutput_data()
    {
        QTest::addColumn<QString>("secret");
        QTest::addColumn<QByteArray>("output");
        for (const auto &[kind, value] : secrets.asKeyValueRange()) {
            QList<QPair<QString, QString>> forms{{kind, value}};
            // A token's signature alone is as good as the token.
            if (value.count(u'.') == 2)
                forms.append({kind + QStringLiteral(", signature"), value.section(u'.', 2)});
            const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(value));
            if (encoded != value)
                forms.append({kind + QStringLiteral(", percent-encoded"), encoded});
            // As qDebug() << value prints it: quoted, with unprintable characters escaped.
            QString quoted;
            QDebug(&quoted).nospace() << value;
            const QString debugged = quoted.mid(1).chopped(1);
            if (debugged != value)
                forms.append({kind + QStringLiteral(", as qDebug prints it"), debugged});
            for (const auto &[name, form] : std::as_const(forms)) {
                QTest::addRow("%s on stdout", qPrintable(name)) << form << childStdout;
                QTest::addRow("%s on stderr", qPrintable(name)) << form << childStderr;
            }
        }
    }
    void noSecretInOutput()
    {
        if (isChild)
            QSKIP("checked in the parent");
        QFETCH(QString, secret);
        QFETCH(QByteArray, output);
        QVERIFY(!secret.isEmpty());
        // A code of six digits counts only where it stands apart from other digits.
        const QRegularExpression alone(QStringLiteral("(?<![0-9A-Za-z])") +
                                       QRegularExpression::escape(secret) +
                                       QStringLiteral("(?![0-9A-Za-z])"));
        const QRegularExpressionMatch found = alone.match(QString::fromUtf8(output));
        QVERIFY2(!found.hasMatch(), qPrintable(QString::fromUtf8(output).mid(
                                        qMax(0, found.capturedStart() - 200), 400)));
    }
};

QTEST_MAIN(tst_OutputSecrets)
#include "tst_OutputSecrets.moc"
