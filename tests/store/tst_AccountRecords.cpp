#include <QSqlQuery>
#include <QtTest>

#include "TestDatabase.h"
#include "platform/Clock.h"
#include "service/StoredToken.h"
#include "service/TokenCheck.h"
#include "store/AccountRecords.h"
#include "store/AccountTable.h"
#include "store/HostContext.h"
#include "store/ShortDate.h"
#include "store/SignInValues.h"

namespace
{

const QString thisMachine = QStringLiteral("AA-BB-CC-DD-EE-FF");
const QString otherMachine = QStringLiteral("11-22-33-44-55-66");

} // namespace

class tst_AccountRecords : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> db;
    SignInValues window;
    std::unique_ptr<AccountRecords> records;

    void loginAs(const QString &mobile, const QString &password, bool remember)
    {
        window.TxtMobile1 = mobile;
        window.TxtPassword2 = password;
        window.chkRememberMe = remember ? 1 : 0;
    }

    // The login handler's table steps, in their order, before the service call.
    void recordLogin()
    {
        if (records->FindAccount(window.TxtMobile1).isEmpty())
            records->AddLoginAccount();
        const QList<AccountRow> found = records->FindAccount(window.TxtMobile1);
        QVERIFY(!found.isEmpty());
        records->SaveRememberChoice();
        if (window.chkRememberMe == 1) {
            if (!ShortDate::parse(found.first().SignInDate).isValid())
                records->StampSignInDate(true);
        } else {
            records->StampSignInDate(false);
        }
        records->ForgetOtherAccounts();
    }

    AccountRow only(const QString &mobile, const QString &machine)
    {
        SignInValues other = window;
        other.MachineAddress = machine;
        const QList<AccountRow> found = AccountRecords(other, db->connection()).FindAccount(mobile);
        if (found.size() != 1)
            qFatal("expected one row for %s on %s", qPrintable(mobile), qPrintable(machine));
        return found.first();
    }

private slots:
    void init()
    {
        db = std::make_unique<TestDatabase>();
        mdlPublicVar::hostContext().setCON(db->connection());
        mdlPublicVar::hostContext().IT_Clientcode = QStringLiteral("C042");
        mdlPublicVar::hostContext().IT_Assyear = QStringLiteral("2026-27");
        CreateAccountTable();
        window = SignInValues();
        window.MachineAddress = thisMachine;
        records = std::make_unique<AccountRecords>(window, db->connection());
        Clock::setFixedNow(QDateTime(QDate(2026, 4, 10), QTime(9, 30)));
    }
    void cleanup()
    {
        Clock::clearFixedNow();
        records.reset();
        mdlPublicVar::hostContext().setCON(QSqlDatabase());
        db.reset();
    }

    // The tests run with the short date format dd/MM/yy (see tests/CMakeLists.txt).
    void shortDateRoundTrips_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("written");
        QTest::newRow("single digits") << QDate(2026, 1, 2) << "02/01/26";
        QTest::newRow("end of year") << QDate(2025, 12, 31) << "31/12/25";
        QTest::newRow("leap day") << QDate(2028, 2, 29) << "29/02/28";
        // 75 would read as 1975.
        QTest::newRow("outside the two-digit years") << QDate(2075, 3, 15) << "2075-03-15";
    }
    void shortDateRoundTrips()
    {
        QFETCH(QDate, date);
        QFETCH(QString, written);
        QCOMPARE(ShortDate::format(date), written);
        QCOMPARE(ShortDate::parse(written), date);
    }

    void firstRowGetsIdOne()
    {
        QCOMPARE(records->NextAccountId(), 1.0);
        loginAs("9876543210", "Secret#1", false);
        records->AddLoginAccount();
        QCOMPARE(db->scalar("select id from it_TBL115BAC").toDouble(), 1.0);
        QCOMPARE(records->NextAccountId(), 2.0);
    }

    void firstLoginWithRememberMe()
    {
        loginAs("9876543210", "Secret#1", true);
        recordLogin();
        const AccountRow row = only("9876543210", thisMachine);
        QCOMPARE(row.RememberMe, 1);
        QCOMPARE(row.SignInDate, QStringLiteral("10/04/26"));
        QCOMPARE(row.sPassword, QStringLiteral("Secret#1"));
        QCOMPARE(row.cPassword, QStringLiteral("Secret#1"));
        QCOMPARE(row.OptFirm, 1);
        QCOMPARE(row.OptAgree, 1);
        QCOMPARE(records->CountMachineAccounts(), 1);
        QCOMPARE(records->ReadRememberedAccount().size(), 1);
    }

    void rememberMeMovesToTheNewNumber()
    {
        loginAs("9876543210", "Secret#1", true);
        recordLogin();
        loginAs("9123456789", "Other#22", true);
        recordLogin();
        QCOMPARE(only("9123456789", thisMachine).RememberMe, 1);
        QCOMPARE(only("9123456789", thisMachine).SignInDate, QStringLiteral("10/04/26"));
        QCOMPARE(only("9876543210", thisMachine).RememberMe, 0);
        QCOMPARE(only("9876543210", thisMachine).SignInDate, QString());
        const QList<AccountRow> remembered = records->ReadRememberedAccount();
        QCOMPARE(remembered.size(), 1);
        QCOMPARE(remembered.first().MobileNo, QStringLiteral("9123456789"));
    }

    void otherMachinesKeepTheirRememberedNumber()
    {
        window.MachineAddress = otherMachine;
        loginAs("9876543210", "Secret#1", true);
        recordLogin();
        window.MachineAddress = thisMachine;
        loginAs("9123456789", "Other#22", true);
        recordLogin();
        QCOMPARE(only("9876543210", otherMachine).RememberMe, 1);
    }

    void secondRememberedLoginKeepsTheFirstDate()
    {
        loginAs("9876543210", "Secret#1", true);
        recordLogin();
        Clock::setFixedNow(QDateTime(QDate(2026, 4, 20), QTime(18, 0)));
        loginAs("9876543210", "Changed#2", true);
        recordLogin();
        const AccountRow row = only("9876543210", thisMachine);
        QCOMPARE(row.SignInDate, QStringLiteral("10/04/26"));
        QCOMPARE(row.sPassword, QStringLiteral("Changed#2"));
        QCOMPARE(row.cPassword, QStringLiteral("Secret#1"));
    }

    void loginWithoutRememberMeClearsTheDate()
    {
        loginAs("9876543210", "Secret#1", true);
        recordLogin();
        loginAs("9876543210", "Secret#1", false);
        recordLogin();
        const AccountRow row = only("9876543210", thisMachine);
        QCOMPARE(row.RememberMe, 0);
        QCOMPARE(row.SignInDate, QString());
    }

    void passwordResetReachesEveryMachine()
    {
        for (const QString &machine : {thisMachine, otherMachine}) {
            window.MachineAddress = machine;
            loginAs("9876543210", "Old#1pass", false);
            recordLogin();
        }
        window.MachineAddress = thisMachine;
        loginAs("9123456789", "Keep#1pass", false);
        recordLogin();
        window.Text1 = QStringLiteral("9876543210");
        window.txtForPass = QStringLiteral("New#2pass");
        window.txtForConPass = QStringLiteral("New#2pass");
        records->UpdateAccountPassword();
        for (const QString &machine : {thisMachine, otherMachine}) {
            QCOMPARE(only("9876543210", machine).sPassword, QStringLiteral("New#2pass"));
            QCOMPARE(only("9876543210", machine).cPassword, QStringLiteral("New#2pass"));
        }
        QCOMPARE(only("9123456789", thisMachine).sPassword, QStringLiteral("Keep#1pass"));
    }

    void quotesAndBackslashesAreStoredLiterally()
    {
        window.TxtName = QStringLiteral("Seán O'Brien");
        window.TxtFirmName = QStringLiteral(R"(O'Brien \ Sons)");
        window.TxtMobileNo = QStringLiteral("9876543210");
        window.TxtPassword = QStringLiteral(R"(It's\a'\"pw)");
        window.TxtConfirmPassword = window.TxtPassword;
        records->SaveSignupAccount();
        const AccountRow row = only("9876543210", thisMachine);
        QCOMPARE(row.FullName, window.TxtName);
        QCOMPARE(row.FirmName, window.TxtFirmName);
        QCOMPARE(row.sPassword, window.TxtPassword);
        QCOMPARE(row.cPassword, window.TxtConfirmPassword);
    }

    // RememberMe has no default: on the server's strict sql_mode the inserts
    // that leave it out of their wording must still store 0.
    void insertsWithoutRememberMeWorkOnAStrictServer()
    {
        QVERIFY(db->scalar("select @@SESSION.sql_mode").toString().contains("STRICT_TRANS_TABLES"));
        window.TxtMobileNo = QStringLiteral("9876543210");
        window.Opt2 = true;
        records->SaveSignupAccount();
        loginAs("9123456789", "Secret#1", false);
        records->SaveLoginAccount(QStringLiteral("a.b.c"), QStringLiteral("check"));
        QCOMPARE(only("9876543210", thisMachine).RememberMe, 0);
        QCOMPARE(only("9876543210", thisMachine).OptFirm, 2);
        QCOMPARE(only("9123456789", thisMachine).RememberMe, 0);
        QCOMPARE(only("9876543210", thisMachine).cCodeNo, QStringLiteral("C042"));
        QCOMPARE(only("9876543210", thisMachine).AY, QStringLiteral("2026-27"));
    }

    void signupKeepsAnExistingRow()
    {
        loginAs("9876543210", "Secret#1", true);
        recordLogin();
        window.TxtMobileNo = QStringLiteral("9876543210");
        window.TxtName = QStringLiteral("Ravi");
        records->SaveSignupAccount();
        QCOMPARE(records->CountMachineAccounts(), 1);
        QCOMPARE(only("9876543210", thisMachine).RememberMe, 1);
    }

    // The check text ties the token to the typed number without its surrounding blanks
    // only, and the stored token is found usable again for that same number.
    void loginStoresTheTokenAndItsCheck_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("checkedMobile");
        // MobileNo keeps ten characters.
        QTest::newRow("as typed") << "9876543210"
                                  << "9876543210";
        QTest::newRow("blanks around") << " 98765432 "
                                       << "98765432";
        QTest::newRow("tab after") << "987654321\t"
                                   << "987654321\t";
        QTest::newRow("line feed before") << "\n987654321"
                                          << "\n987654321";
    }
    void loginStoresTheTokenAndItsCheck()
    {
        QFETCH(QString, typed);
        QFETCH(QString, checkedMobile);
        // Expires in 2100.
        const QString token = QString::fromLatin1(
            "eyJhbGciOiJIUzI1NiJ9." +
            QByteArray(R"({"exp":4102444800})")
                .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals) +
            ".c2ln");
        loginAs(typed, "Secret#1", false);
        records->AddLoginAccount();
        SaveLoginReply(*records, window, QStringLiteral(R"({"status":1,"token":"%1"})").arg(token));
        QCOMPARE(window.CurrentToken, token);
        QCOMPARE(window.CurrentToken1, MakeTokenCheck(token, checkedMobile, thisMachine));
        QCOMPARE(records->ReadStoredToken(), token);
        QCOMPARE(records->ReadStoredToken1(), window.CurrentToken1);
        QCOMPARE(db->scalar("select count(*) from it_TBL115BAC").toInt(), 1);
        QVERIFY(IsStoredTokenValid(*records, window));
    }

    void deleteRememberedAccountKeepsOtherRows()
    {
        loginAs("9876543210", "Secret#1", true);
        recordLogin();
        window.MachineAddress = otherMachine;
        recordLogin();
        window.MachineAddress = thisMachine;
        records->DeleteRememberedAccount(QStringLiteral("9876543210"));
        QCOMPARE(records->CountMachineAccounts(), 0);
        QCOMPARE(only("9876543210", otherMachine).RememberMe, 1);
    }
};

QTEST_GUILESS_MAIN(tst_AccountRecords)
#include "tst_AccountRecords.moc"
