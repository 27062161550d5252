#include <QSqlQuery>
#include <QtTest>

#include "AccountFixture.h"
#include "ValidSignUp.h"
#include "platform/Clock.h"
#include "service/StoredToken.h"
#include "service/TokenCheck.h"
#include "store/HostContext.h"
#include "store/ShortDate.h"

namespace
{

const QString thisMachine = AccountFixture::machine;
const QString otherMachine = QStringLiteral("11-22-33-44-55-66");

using Step = std::function<void(AccountRecords &, const LoginEntry &)>;

} // namespace

Q_DECLARE_METATYPE(Step)

class tst_AccountRecords : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AccountFixture> fixture;
    AccountRecords *records = nullptr;

    // A row as an earlier session left it, with the password Old#1pass.
    void seedRow(const QString &mobile, const QString &machine, int remember,
                 const QString &signInDate)
    {
        AccountFixture::insertRow(fixture->db.connection(), mobile, machine, "Old#1pass", remember,
                                  signInDate);
    }

    AccountRow only(const QString &mobile, const QString &machine)
    {
        const QList<AccountRow> found =
            AccountRecords(machine, fixture->db.connection()).FindAccount(mobile);
        if (found.size() != 1)
            qFatal("expected one row for %s on %s", qPrintable(mobile), qPrintable(machine));
        return found.first();
    }

private slots:
    void init()
    {
        fixture = std::make_unique<AccountFixture>();
        records = &fixture->records;
        mdlPublicVar::hostContext().IT_Clientcode = QStringLiteral("C042");
        mdlPublicVar::hostContext().IT_Assyear = QStringLiteral("2026-27");
        Clock::setFixedNow(QDateTime(QDate(2026, 4, 10), QTime(9, 30)));
    }
    void cleanup()
    {
        Clock::clearFixedNow();
        fixture.reset();
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
        records->AddLoginAccount({"9876543210", "Secret#1", false}, QString());
        QCOMPARE(fixture->db.scalar("select id from it_TBL115BAC").toDouble(), 1.0);
        QCOMPARE(only("9876543210", thisMachine).OptFirm, 1);
        QCOMPARE(only("9876543210", thisMachine).OptAgree, 1);
        QCOMPARE(records->NextAccountId(), 2.0);
    }

    // What each of the login's table steps leaves in the rows. The login types
    // 9876543210 with New#2pass on this machine; beside its own row (absent when
    // startRemember is -1) lie another remembered number of this machine and the same
    // number remembered on another machine, which no step may touch.
    void loginStepLeavesTheRows_data()
    {
        QTest::addColumn<Step>("step");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("startRemember");
        QTest::addColumn<QString>("startDate");
        QTest::addColumn<int>("remember");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("sPassword");
        QTest::addColumn<QString>("cPassword");
        QTest::addColumn<QStringList>("remembered");
        QTest::addColumn<QString>("otherNumberDate");

        const Step add = [](AccountRecords &r, const LoginEntry &l) { r.AddLoginAccount(l, {}); };
        const Step choose = [](AccountRecords &r, const LoginEntry &l) { r.SaveRememberChoice(l); };
        const Step stamp = [](AccountRecords &r, const LoginEntry &l) {
            r.StampSignInDate(l.mobile, l.remember);
        };
        const Step forget = [](AccountRecords &r, const LoginEntry &l) {
            r.ForgetOtherAccounts(l.mobile);
        };
        const QString old = QStringLiteral("Old#1pass");
        const QString typed = QStringLiteral("New#2pass");
        const QStringList both{"9123456789", "9876543210"};
        const QStringList other{"9123456789"};

        const QString kept = QStringLiteral("01/04/26");

        QTest::newRow("new number, ticked")
            << add << true << -1 << "" << 1 << "10/04/26" << typed << typed << both << kept;
        QTest::newRow("new number, not ticked")
            << add << false << -1 << "" << 0 << "" << typed << typed << other << kept;
        QTest::newRow("choice ticked keeps the first password as confirmed")
            << choose << true << 0 << "" << 1 << "" << typed << old << both << kept;
        QTest::newRow("choice cleared")
            << choose << false << 1 << kept << 0 << kept << typed << old << other << kept;
        QTest::newRow("ticked stamp dates a remembered row")
            << stamp << true << 1 << kept << 1 << "10/04/26" << old << old << both << kept;
        QTest::newRow("ticked stamp leaves a row not remembered")
            << stamp << true << 0 << "" << 0 << "" << old << old << other << kept;
        QTest::newRow("unticked stamp clears a row not remembered")
            << stamp << false << 0 << kept << 0 << "" << old << old << other << kept;
        QTest::newRow("unticked stamp leaves a remembered row")
            << stamp << false << 1 << kept << 1 << kept << old << old << both << kept;
        QTest::newRow("other numbers of this machine forgotten")
            << forget << true << 1 << kept << 1 << kept << old << old << QStringList{"9876543210"}
            << "";
    }
    void loginStepLeavesTheRows()
    {
        QFETCH(Step, step);
        QFETCH(bool, ticked);
        QFETCH(int, startRemember);
        QFETCH(QString, startDate);
        seedRow("9123456789", thisMachine, 1, "01/04/26");
        seedRow("9876543210", otherMachine, 1, "01/04/26");
        if (startRemember >= 0)
            seedRow("9876543210", thisMachine, startRemember, startDate);
        step(*records, {"9876543210", "New#2pass", ticked});

        const AccountRow row = only("9876543210", thisMachine);
        QTEST(row.RememberMe, "remember");
        QTEST(row.SignInDate, "date");
        QTEST(row.sPassword, "sPassword");
        QTEST(row.cPassword, "cPassword");
        QStringList remembered;
        for (const RememberedAccount &found : records->ReadRememberedAccount())
            remembered << found.MobileNo;
        remembered.sort();
        QTEST(remembered, "remembered");
        QTEST(only("9123456789", thisMachine).SignInDate, "otherNumberDate");
        const AccountRow elsewhere = only("9876543210", otherMachine);
        QCOMPARE(elsewhere.RememberMe, 1);
        QCOMPARE(elsewhere.SignInDate, QStringLiteral("01/04/26"));
    }

    void passwordResetReachesEveryMachine()
    {
        seedRow("9876543210", thisMachine, 0, "");
        seedRow("9876543210", otherMachine, 0, "");
        seedRow("9123456789", thisMachine, 0, "");
        records->UpdateAccountPassword({"9876543210", "New#2pass", "New#2pass"});
        for (const QString &machine : {thisMachine, otherMachine}) {
            QCOMPARE(only("9876543210", machine).sPassword, QStringLiteral("New#2pass"));
            QCOMPARE(only("9876543210", machine).cPassword, QStringLiteral("New#2pass"));
        }
        QCOMPARE(only("9123456789", thisMachine).sPassword, QStringLiteral("Old#1pass"));
    }

    void quotesAndBackslashesAreStoredLiterally()
    {
        AccountDetails form = validSignUp("9876543210", R"(It's\a'\"pw)", "Seán O'Brien");
        form.firmName = QStringLiteral(R"(O'Brien \ Sons)");
        form.confirmedPassword = QStringLiteral(R"(It's\a'\"pw2)");
        records->SaveSignupAccount(form);
        const AccountRow row = only("9876543210", thisMachine);
        QCOMPARE(row.FullName, form.fullName);
        QCOMPARE(row.FirmName, form.firmName);
        QCOMPARE(row.sPassword, form.password);
        QCOMPARE(row.cPassword, form.confirmedPassword);
        QCOMPARE(row.sEmailId, form.email);
        QCOMPARE(row.Pin, form.pinCode);
    }

    // RememberMe has no default: on the server's strict sql_mode the inserts
    // that leave it out of their wording must still store 0.
    void insertsWithoutRememberMeWorkOnAStrictServer()
    {
        QVERIFY(fixture->db.scalar("select @@SESSION.sql_mode")
                    .toString()
                    .contains("STRICT_TRANS_TABLES"));
        records->SaveSignupAccount(validSignUp("9876543210", "Secret#1"));
        AccountDetails login = validSignUp("9123456789", "Secret#1");
        login.firmOption = 1;
        records->SaveLoginAccount(login, QStringLiteral("a.b.c"), QStringLiteral("check"));
        QCOMPARE(
            fixture->db.rows("select MobileNo, RememberMe, OptFirm, token1, cCodeNo, AY from "
                             "it_TBL115BAC order by id"),
            QStringList({"9876543210|0|2||C042|2026-27", "9123456789|0|1|check|C042|2026-27"}));
    }

    void signupKeepsAnExistingRow()
    {
        seedRow("9876543210", thisMachine, 1, "01/04/26");
        records->SaveSignupAccount(validSignUp("9876543210", "Secret#1"));
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
        QTest::newRow("as typed") << QString("9876543210") << QString("9876543210");
        QTest::newRow("blanks around") << QString(" 98765432 ") << QString("98765432");
        QTest::newRow("tab after") << QString("987654321\t") << QString("987654321\t");
        QTest::newRow("line feed before") << QString("\n987654321") << QString("\n987654321");
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
        records->AddLoginAccount({typed, "Secret#1", false}, QString());
        const LoginToken login = ReadLoginToken(
            *records, typed, QStringLiteral(R"({"status":1,"token":"%1"})").arg(token));
        QCOMPARE(login.token, token);
        QCOMPARE(login.check, MakeTokenCheck(token, checkedMobile, thisMachine));
        records->SaveLoginAccount(validSignUp(typed, "Secret#1"), login.token, login.check);
        QCOMPARE(records->ReadStoredToken(typed), token);
        QCOMPARE(records->ReadStoredToken1(typed), login.check);
        QCOMPARE(fixture->rowCount(), 1);
        QVERIFY(IsStoredTokenValid(*records, typed));
    }

    void deleteRememberedAccountKeepsOtherRows()
    {
        seedRow("9876543210", thisMachine, 1, "01/04/26");
        seedRow("9876543210", otherMachine, 1, "01/04/26");
        records->DeleteRememberedAccount(QStringLiteral("9876543210"));
        QCOMPARE(records->CountMachineAccounts(), 0);
        QCOMPARE(only("9876543210", otherMachine).RememberMe, 1);
    }
};

QTEST_GUILESS_MAIN(tst_AccountRecords)
#include "tst_AccountRecords.moc"
