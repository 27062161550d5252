#include <QDeadlineTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QtTest>

#include <VelmoITNet22SU/VelmoError.h>

#include <functional>
#include <future>
#include <thread>

#include "AccountFixture.h"
#include "HumanMessage.h"
#include "PrivateMariaDb.h"
#include "TestDatabase.h"
#include "service/StoredToken.h"
#include "store/AccountRecords.h"
#include "store/AccountTable.h"
#include "store/HostContext.h"

namespace
{

const QString machine = QStringLiteral("AA-BB-CC-DD-EE-FF");
const QString otherMachine = QStringLiteral("11-22-33-44-55-66");
const QString number = QStringLiteral("9876543210");
const QString rememberedNumber = QStringLiteral("9123456780");
const QString oldPassword = QStringLiteral("Old#pass1");
const QString newPassword = QStringLiteral("New#pass2");
const LoginEntry login{number, oldPassword, true};
const NewPassword reset{number, newPassword, newPassword};

enum class Interruption { ConnectionKilled, ServerStopped };

// Where a host connection goes: a server's socket and a database on it.
struct Place {
    QString socket;
    QString database;
};

// From a thread of its own, holds a write lock on the account table until the
// victim connection waits for it, then kills that connection or stops the whole
// server: the victim's statement is cut off while it is in flight.
class Interrupter
{
public:
    Interrupter(const Place &place, qint64 victimId, std::function<bool()> stopServer)
        : m_thread([=, this] { run(place, victimId, stopServer); })
    {
    }
    ~Interrupter() { finish(); }
    Interrupter(const Interrupter &) = delete;
    Interrupter &operator=(const Interrupter &) = delete;

    bool waitUntilLocked() { return m_locked.get_future().get(); }
    // True when the victim was found waiting and cut off.
    bool finish()
    {
        if (m_thread.joinable())
            m_thread.join();
        return m_interrupted;
    }

private:
    void run(const Place &place, qint64 victimId, const std::function<bool()> &stopServer)
    {
        const QString name = QStringLiteral("interrupter");
        {
            QSqlDatabase db = PrivateMariaDb::open(place.socket, place.database, name);
            QSqlQuery query(db);
            const bool locked =
                db.isOpen() && query.exec(QStringLiteral("LOCK TABLES it_TBL115BAC WRITE"));
            m_locked.set_value(locked);
            if (locked && victimWaits(query, victimId)) {
                if (stopServer)
                    m_interrupted = stopServer();
                else
                    m_interrupted = query.exec(QStringLiteral("KILL CONNECTION %1").arg(victimId));
            }
            if (db.isOpen())
                query.exec(QStringLiteral("UNLOCK TABLES"));
        }
        QSqlDatabase::removeDatabase(name);
    }

    static bool victimWaits(QSqlQuery &query, qint64 victimId)
    {
        const QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            if (query.exec(QStringLiteral("select state from information_schema.processlist "
                                          "where id=%1")
                               .arg(victimId)) &&
                query.next() && query.value(0).toString().contains(QLatin1String("lock")))
                return true;
            QThread::msleep(10);
        }
        return false;
    }

    std::promise<bool> m_locked;
    bool m_interrupted = false;
    std::thread m_thread;
};

using RecordStep = std::function<void(AccountRecords &)>;

struct NamedStep {
    const char *name;
    RecordStep run;
};

// The record operations of a login, in the order the window runs them for a
// number that has no row on this machine yet, with the remember box ticked.
const NamedStep loginSteps[] = {
    {"FindAccount", [](AccountRecords &records) { records.FindAccount(number); }},
    {"AddLoginAccount", [](AccountRecords &records) { records.AddLoginAccount(login, {}); }},
    {"SaveRememberChoice", [](AccountRecords &records) { records.SaveRememberChoice(login); }},
    {"StampSignInDate", [](AccountRecords &records) { records.StampSignInDate(number, true); }},
    {"ForgetOtherAccounts", [](AccountRecords &records) { records.ForgetOtherAccounts(number); }},
};

// Every operation, for a server that is gone before the first statement.
const NamedStep everyOperation[] = {
    {"CreateAccountTable", [](AccountRecords &) { CreateAccountTable(); }},
    loginSteps[0],
    {"NextAccountId", [](AccountRecords &records) { records.NextAccountId(); }},
    loginSteps[1],
    loginSteps[2],
    loginSteps[3],
    loginSteps[4],
    {"SaveLoginAccount",
     [](AccountRecords &records) { records.SaveLoginAccount({}, "a.b.c", "check"); }},
    {"SaveSignupAccount", [](AccountRecords &records) { records.SaveSignupAccount({}); }},
    {"UpdateAccountPassword",
     [](AccountRecords &records) { records.UpdateAccountPassword(reset); }},
    {"ReadStoredToken", [](AccountRecords &records) { records.ReadStoredToken(number); }},
    {"ReadStoredToken1", [](AccountRecords &records) { records.ReadStoredToken1(number); }},
    {"CountMachineAccounts", [](AccountRecords &records) { records.CountMachineAccounts(); }},
    {"ReadRememberedAccount", [](AccountRecords &records) { records.ReadRememberedAccount(); }},
    {"DeleteRememberedAccount",
     [](AccountRecords &records) { records.DeleteRememberedAccount(rememberedNumber); }},
};

} // namespace

class tst_DatabaseFaults : public QObject
{
    Q_OBJECT

private:
    const QString hostName = QStringLiteral("host");
    // A server of the test's own, which it stops, never the shared one.
    std::unique_ptr<PrivateMariaDb> ownServer;
    std::unique_ptr<TestDatabase> fixtureDb;
    QSqlDatabase host;

    // Opens the host's connection to a fresh database on the chosen server and
    // gives it an account table.
    std::optional<Place> openHost(Interruption interruption)
    {
        std::optional<Place> place;
        if (interruption == Interruption::ServerStopped) {
            const QString database = ownServer->createDatabase();
            if (!database.isEmpty())
                place = Place{ownServer->socket(), database};
        } else {
            fixtureDb = std::make_unique<TestDatabase>();
            place = Place{TestDatabase::socketPath(), fixtureDb->name()};
        }
        if (!place)
            return std::nullopt;
        host = PrivateMariaDb::open(place->socket, place->database, hostName);
        mdlPublicVar::hostContext().setCON(host);
        CreateAccountTable();
        return place;
    }

    QVariantList column(const QString &statement)
    {
        QSqlQuery query(host);
        if (!query.exec(statement))
            return {QStringLiteral("unreadable: ") + query.lastError().text()};
        QVariantList values;
        while (query.next())
            values << query.value(0);
        return values;
    }

    // The message step throws; none when it goes through.
    static std::optional<QString> failureOf(const RecordStep &step, AccountRecords &records)
    {
        try {
            step(records);
        } catch (const VelmoError &error) {
            return error.message();
        }
        return std::nullopt;
    }

    // Runs step while another connection cuts it off, and checks that the step
    // throws a message a user can read.
    void cutOff(const Place &place, Interruption interruption, const RecordStep &step,
                AccountRecords &records)
    {
        std::function<bool()> stopServer;
        if (interruption == Interruption::ServerStopped)
            stopServer = [this] { return ownServer->stop(); };
        Interrupter interrupter(place, column("select connection_id()").value(0).toLongLong(),
                                stopServer);
        QVERIFY(interrupter.waitUntilLocked());
        const std::optional<QString> message = failureOf(step, records);
        QVERIFY2(interrupter.finish(), "the statement did not wait for the lock");
        QVERIFY2(message, "the statement went through");
        QVERIFY2(whyNotHumanMessage(*message).isEmpty(), qPrintable(*message));
    }

    // The server is back, and the host opens its connection again.
    bool reconnect(Interruption interruption)
    {
        if (interruption == Interruption::ServerStopped && !ownServer->resume())
            return false;
        host.close();
        return host.open();
    }

private slots:
    void initTestCase()
    {
        ownServer = std::make_unique<PrivateMariaDb>();
        QVERIFY(ownServer->isRunning());
    }
    void cleanupTestCase() { ownServer.reset(); }

    void cleanup()
    {
        mdlPublicVar::hostContext().setCON(QSqlDatabase());
        host = QSqlDatabase();
        QSqlDatabase::removeDatabase(hostName);
        fixtureDb.reset();
        if (!ownServer->isRunning())
            QVERIFY(ownServer->resume());
    }

    // With the server gone, every operation throws a message a user can read,
    // instead of crashing or answering as if the table were empty.
    void serverStoppedBeforeTheFirstStatement_data()
    {
        QTest::addColumn<int>("operation");
        for (int i = 0; i < int(std::size(everyOperation)); ++i)
            QTest::addRow("%s", everyOperation[i].name) << i;
    }
    void serverStoppedBeforeTheFirstStatement()
    {
        QFETCH(int, operation);
        QVERIFY(openHost(Interruption::ServerStopped));
        AccountFixture::insertRow(host, rememberedNumber, machine, oldPassword, 1, "");
        AccountRecords records(machine, host);
        QVERIFY(ownServer->stop());
        const std::optional<QString> message = failureOf(everyOperation[operation].run, records);
        QVERIFY2(message, "the operation went through");
        QVERIFY2(whyNotHumanMessage(*message).isEmpty(), qPrintable(*message));

        QVERIFY(reconnect(Interruption::ServerStopped));
        QCOMPARE(column(QStringLiteral("select MobileNo from it_TBL115BAC")),
                 QVariantList{rememberedNumber});
    }

    // A login's record operations cut off at each step: the step throws, and
    // once the server is back no row holds a token, the number has at most one
    // row, and the next login completes with that number alone remembered.
    void loginInterrupted_data()
    {
        QTest::addColumn<int>("interruption");
        QTest::addColumn<int>("failingStep");
        for (int step = 0; step < int(std::size(loginSteps)); ++step) {
            QTest::addRow("connection killed during %s", loginSteps[step].name)
                << int(Interruption::ConnectionKilled) << step;
            QTest::addRow("server stopped during %s", loginSteps[step].name)
                << int(Interruption::ServerStopped) << step;
        }
    }
    void loginInterrupted()
    {
        QFETCH(int, interruption);
        QFETCH(int, failingStep);
        const auto kind = Interruption(interruption);
        const std::optional<Place> place = openHost(kind);
        QVERIFY(place);
        AccountFixture::insertRow(host, rememberedNumber, machine, oldPassword, 1, "01/12/2026");
        AccountRecords records(machine, host);
        for (int step = 0; step < failingStep; ++step)
            loginSteps[step].run(records);

        cutOff(*place, kind, loginSteps[failingStep].run, records);
        if (QTest::currentTestFailed())
            return;

        QVERIFY(reconnect(kind));
        QVERIFY(!IsStoredTokenValid(records, number));
        const QString tokens = "select count(*) from it_TBL115BAC where token<>'' or token1<>''";
        QCOMPARE(column(tokens).value(0).toInt(), 0);
        QVERIFY(records.FindAccount(number).size() <= 1);

        if (records.FindAccount(number).isEmpty())
            records.AddLoginAccount(login, {});
        records.SaveRememberChoice(login);
        records.StampSignInDate(number, true);
        records.ForgetOtherAccounts(number);
        QCOMPARE(records.FindAccount(number).size(), 1);
        QCOMPARE(column(QStringLiteral("select MobileNo from it_TBL115BAC where RememberMe=1")),
                 QVariantList{number});
    }

    // A password change cut off leaves the old password on every machine, and
    // the next attempt changes it everywhere.
    void passwordUpdateInterrupted_data()
    {
        QTest::addColumn<int>("interruption");
        QTest::newRow("connection killed") << int(Interruption::ConnectionKilled);
        QTest::newRow("server stopped") << int(Interruption::ServerStopped);
    }
    void passwordUpdateInterrupted()
    {
        QFETCH(int, interruption);
        const auto kind = Interruption(interruption);
        const std::optional<Place> place = openHost(kind);
        QVERIFY(place);
        AccountFixture::insertRow(host, number, machine, oldPassword, 0, "");
        AccountFixture::insertRow(host, number, otherMachine, oldPassword, 0, "");
        AccountRecords records(machine, host);

        cutOff(
            *place, kind, [](AccountRecords &r) { r.UpdateAccountPassword(reset); }, records);
        if (QTest::currentTestFailed())
            return;

        const QString passwords =
            QStringLiteral("select distinct concat(sPassword, '/', cPassword) from it_TBL115BAC");
        QVERIFY(reconnect(kind));
        QCOMPARE(column(passwords), QVariantList{oldPassword + u'/' + oldPassword});
        records.UpdateAccountPassword(reset);
        QCOMPARE(column(passwords), QVariantList{newPassword + u'/' + newPassword});
    }
};

QTEST_GUILESS_MAIN(tst_DatabaseFaults)
#include "tst_DatabaseFaults.moc"
