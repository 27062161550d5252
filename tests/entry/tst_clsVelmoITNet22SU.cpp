#include <QSqlQuery>
#include <QtTest>

#include <VelmoITNet22SU/clsVelmoITNet22SU.h>

#include "TestDatabase.h"
#include "store/HostContext.h"

class tst_clsVelmoITNet22SU : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> db;
    HostContext &context = mdlPublicVar::hostContext();

    void callApi(QSqlDatabase connection, bool vAPI = false, const QString &version = QString(),
                 const QString &connectionString = QString())
    {
        clsVelmoITNet22SU api;
        api.clsAPI(3, "CLIENT7", "2026-27", connection, "F", connectionString, true, "S", vAPI,
                   version);
    }

private slots:
    void init()
    {
        db = std::make_unique<TestDatabase>();
        context.IT_Ver.clear();
        context.IT_Clientcode.clear();
        context.IT_Assyear.clear();
    }
    void cleanup()
    {
        context.setCON(QSqlDatabase());
        db.reset();
    }

    // No dbversion table here: vAPI True must never touch it.
    void openConnectionIsUsedUntouched()
    {
        QSqlDatabase open = db->connection();
        callApi(open, true, "2.0.1", "Server=nowhere.invalid;Database=none");
        QVERIFY(context.CON().isOpen());
        QCOMPARE(context.CON().connectionName(), open.connectionName());
        QCOMPARE(context.CON().databaseName(), db->name());
        QCOMPARE(context.CON().hostName(), QString());
        QCOMPARE(context.IT_Clientcode, QStringLiteral("CLIENT7"));
        QCOMPARE(context.IT_Assyear, QStringLiteral("2026-27"));
        QCOMPARE(context.IT_Ver, QStringLiteral("2.0.1"));
    }

    // The closed connection the host hands over still holds settings that would open the
    // test database; the connection string replaces them all. A connection that does not
    // open raises after the values before it are stored, and before the version is.
    void closedConnectionIsOpenedFromTheConnectionString_data()
    {
        QTest::addColumn<QString>("string");   // %1: the test database
        QTest::addColumn<QString>("database"); // what the connection opens on
        QTest::addColumn<QString>("refusal");  // what the error names; empty: it opens
        const auto row = [](const char *name, const QString &string, const char *database,
                            const char *refusal) {
            QTest::newRow(name) << string << QString(database) << QString(refusal);
        };
        const QString socket = ";Uid=root;Socket=" + TestDatabase::socketPath();
        row("whole string", "Database=%1" + socket, "%1", "");
        row("string without a database", socket.mid(1), "", "");
        row("empty string", "", "", "connect");
        row("missing database", "Database=no_such_db_here" + socket, "", "no_such_db_here");
    }
    void closedConnectionIsOpenedFromTheConnectionString()
    {
        QFETCH(QString, string);
        QFETCH(QString, database);
        QFETCH(QString, refusal);
        {
            QSqlDatabase closed = db->closedConnection("host-closed");
            closed.setDatabaseName(db->name());
            closed.setUserName("root");
            closed.setConnectOptions("UNIX_SOCKET=" + TestDatabase::socketPath());
            QString message;
            try {
                callApi(closed, true, "1.2.3", QString(string).replace("%1", db->name()));
            } catch (const VelmoError &error) {
                message = error.message();
            }
            QVERIFY2(refusal.isEmpty() ? message.isEmpty() : message.contains(refusal),
                     qPrintable(message));
            QCOMPARE(context.CON().connectionName(), QStringLiteral("host-closed"));
            QCOMPARE(context.IT_Clientcode, QStringLiteral("CLIENT7"));
            QCOMPARE(context.IT_Ver, refusal.isEmpty() ? QStringLiteral("1.2.3") : QString());
            if (refusal.isEmpty()) {
                QSqlQuery query(context.CON());
                QVERIFY(query.exec("select database()") && query.next());
                QCOMPARE(query.value(0).toString(), QString(database).replace("%1", db->name()));
            }
            context.setCON(QSqlDatabase());
        }
        QSqlDatabase::removeDatabase("host-closed");
    }

    // An empty expected version: the call raises, naming the table.
    void versionFromTheDatabase_data()
    {
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("expected");
        const QString all = QStringLiteral("prj_name, major, minor, revision");
        QTest::newRow("three parts") << all << "('VelmoIT','3','1','22')"
                                     << "3.1.22";
        QTest::newRow("null field is empty") << all << "('VelmoIT','3',NULL,'22')"
                                             << "3..22";
        QTest::newRow("first row wins") << all << "('VelmoIT','1','0','0'),('VelmoIT','2','0','0')"
                                        << "1.0.0";
        QTest::newRow("other product keeps the old value") << all << "('Other','5','5','5')"
                                                           << "old";
        QTest::newRow("no table") << QString() << QString() << QString();
        QTest::newRow("no revision column") << "prj_name, major, minor"
                                            << "('VelmoIT','1','2')" << QString();
    }
    void versionFromTheDatabase()
    {
        QFETCH(QString, columns);
        QFETCH(QString, rows);
        QFETCH(QString, expected);
        if (!columns.isEmpty()) {
            db->exec("create table dbversion(" + QString(columns).replace(",", " varchar(20),") +
                     " varchar(20))");
            db->exec("insert into dbversion values " + rows);
        }
        context.IT_Ver = "old";
        if (expected.isEmpty()) {
            try {
                callApi(db->connection());
                QFAIL("expected an exception");
            } catch (const VelmoError &error) {
                QVERIFY2(QString::fromUtf8(error.what()).contains("dbversion"), error.what());
            }
            // The values before the version are kept all the same.
            QCOMPARE(context.IT_Clientcode, QStringLiteral("CLIENT7"));
            return;
        }
        callApi(db->connection());
        QCOMPARE(context.IT_Ver, expected);
    }

    void signUpWithoutWidgetsRaisesInsteadOfAborting()
    {
        // This test runs with a QCoreApplication only: no window can be shown.
        clsVelmoITNet22SU api;
        QVERIFY_THROWS_EXCEPTION(VelmoError, api.SignUp());
    }
};

QTEST_GUILESS_MAIN(tst_clsVelmoITNet22SU)
#include "tst_clsVelmoITNet22SU.moc"
