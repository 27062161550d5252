#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

#include <VelmoITNet22SU/VelmoError.h>

#include "TestDatabase.h"
#include "store/AccountTable.h"
#include "store/HostContext.h"

namespace
{

// The column steps of the account-table migration as their statements read: a column
// that describe finds is changed, a missing one is added (and filled when its default
// is not empty).
struct LiteralColumnStep {
    const char *describe;
    const char *add;
    const char *fill;
    const char *change;
};

const LiteralColumnStep literalColumnSteps[] = {
    {"describe it_TBL115BAC mac_address",
     "ALTER TABLE it_TBL115BAC ADD COLUMN mac_address varchar(20) not null default ''", nullptr,
     "ALTER TABLE it_TBL115BAC change  mac_address mac_address varchar(20) not null default ''"},
    {"describe it_TBL115BAC RememberMe",
     "ALTER TABLE it_TBL115BAC ADD COLUMN RememberMe tinyint(4) Not Null",
     "update it_TBL115BAC set RememberMe='0'",
     "ALTER TABLE it_TBL115BAC change  RememberMe RememberMe tinyint(4) Not Null"},
    {"describe it_TBL115BAC SignInDate",
     "ALTER TABLE it_TBL115BAC ADD COLUMN SignInDate varchar(10) not null default ''", nullptr,
     "ALTER TABLE it_TBL115BAC change  SignInDate SignInDate varchar(10) not null default ''"},
};

// Runs the literal migration on a database that already holds the table (so the create
// statement would do nothing); answers the database's message for the statement it
// refused, or an empty text.
QString runLiteralMigration(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    const auto run = [&query](const char *statement) {
        return statement == nullptr || query.exec(QString::fromLatin1(statement));
    };
    for (const LiteralColumnStep &step : literalColumnSteps) {
        if (!run(step.describe))
            return query.lastError().databaseText();
        const bool found = query.next();
        if (!(found ? run(step.change) : run(step.add) && run(step.fill)))
            return query.lastError().databaseText();
    }
    if (!run("DELETE FROM it_TBL115BAC WHERE MobileNo=''"))
        return query.lastError().databaseText();
    return QString();
}

// The table's whole definition (types, nulls, defaults, collations, comments, checks, order
// and spelling of the columns) and its rows, in one comparable list.
QStringList tableAsItIs(const TestDatabase &db)
{
    QStringList rows = db.rows(QStringLiteral("select * from it_TBL115BAC"));
    rows.sort();
    return db.rows(QStringLiteral("show create table it_TBL115BAC")) + rows;
}

int alterStatementsRun(const TestDatabase &db)
{
    return db.rows(QStringLiteral("show session status like 'Com_alter_table'"))
        .value(0)
        .section(u'|', 1)
        .toInt();
}

} // namespace

class tst_AccountTable : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> db;

private slots:
    void init()
    {
        db = std::make_unique<TestDatabase>();
        mdlPublicVar::hostContext().setCON(db->connection());
    }
    void cleanup()
    {
        mdlPublicVar::hostContext().setCON(QSqlDatabase());
        db.reset();
    }

    void normaliseSpaces_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two blanks") << "a  b" << QString("a b");
        QTest::newRow("three runs") << "  a   b    " << QString(" a b ");
        QTest::newRow("single blanks kept") << "a b c" << QString("a b c");
        QTest::newRow("tabs untouched") << "a\t\tb" << QString("a\t\tb");
        QTest::newRow("empty") << "" << QString();
    }
    void normaliseSpaces()
    {
        QFETCH(QString, input);
        QTEST(NormaliseSpaces(input), "expected");
    }

    void freshDatabaseGetsSeventeenColumnsInOrder()
    {
        CreateAccountTable();
        // Name, type, nullable, default and key of each column: no NULL allowed, no key.
        QCOMPARE(db->rows("select COLUMN_NAME, COLUMN_TYPE, IS_NULLABLE, COLUMN_DEFAULT, "
                          "COLUMN_KEY from information_schema.COLUMNS where "
                          "TABLE_SCHEMA=database() and TABLE_NAME='it_TBL115BAC' "
                          "order by ORDINAL_POSITION")
                     .join(u' '),
                 QStringLiteral("id|double|NO|0| cCodeNo|varchar(20)|NO|''| AY|varchar(10)|NO|''| "
                                "FullName|varchar(60)|NO|''| FirmName|varchar(60)|NO|''| "
                                "MobileNo|varchar(10)|NO|''| Pin|varchar(6)|NO|''| "
                                "sPassword|varchar(30)|NO|''| sEmailId|varchar(100)|NO|''| "
                                "cPassword|varchar(30)|NO|''| OptFirm|int(11)|NO|0| "
                                "OptAgree|int(11)|NO|0| token|text|NO|''| token1|text|NO|''| "
                                "mac_address|varchar(20)|NO|''| RememberMe|tinyint(4)|NO|NULL| "
                                "SignInDate|varchar(10)|NO|''|"));
    }

    void olderTableGainsRememberMeReadingZero()
    {
        db->exec("Create Table it_TBL115BAC(id double not null default 0, MobileNo varchar(10) "
                 "Not Null default '', mac_address varchar(20) not null default '', "
                 "token text not null default '')");
        db->exec("insert into it_TBL115BAC(id, MobileNo, mac_address) values "
                 "(1,'9876543210','AA'),(2,'9123456780','BB')");
        CreateAccountTable();
        QCOMPARE(db->rows("select MobileNo, RememberMe, SignInDate from it_TBL115BAC order by id"),
                 QStringList({"9876543210|0|", "9123456780|0|"}));
    }

    // Each table shape, starting from a current table with three rows (one holding quotes
    // and a backslash), goes through CreateAccountTable here and through the literal
    // statements on a twin database: both must end with the same table, the same rows and
    // the same refusal. Only a column that differs costs an ALTER TABLE.
    void tableShapeEndsAsTheLiteralStatementsLeaveIt_data()
    {
        QTest::addColumn<QStringList>("reshape");
        QTest::addColumn<int>("alters");
        QTest::addColumn<bool>("refused");
        const auto alter = [](const char *clause) {
            return QStringList{QStringLiteral("alter table it_TBL115BAC ") + clause};
        };
        QTest::newRow("current table") << QStringList() << 0 << false;
        QTest::newRow("RememberMe missing") << alter("drop RememberMe") << 1 << false;
        QTest::newRow("the three later columns missing")
            << alter("drop mac_address, drop RememberMe, drop SignInDate") << 3 << false;
        QTest::newRow("SignInDate as varchar(8)")
            << alter("modify SignInDate varchar(8) not null default ''") << 1 << false;
        // Every migrated definition says NOT NULL: a column that allows NULL is given its
        // whole definition again, default included.
        QTest::newRow("SignInDate allows NULL")
            << alter("modify SignInDate varchar(10) null default ''") << 1 << false;
        QTest::newRow("mac_address allows NULL, another default")
            << alter("modify mac_address varchar(20) null default 'none'") << 1 << false;
        QTest::newRow("RememberMe allows NULL, a default")
            << alter("modify RememberMe tinyint(4) null default 1") << 1 << false;
        QTest::newRow("mac_address allows NULL and holds one")
            << alter("modify mac_address varchar(20) null default 'none'") +
                   QStringList{"update it_TBL115BAC set mac_address=NULL where id=3"}
            << 1 << true;
        QTest::newRow("RememberMe with a default")
            << alter("modify RememberMe tinyint(4) not null default 0") << 1 << false;
        QTest::newRow("SignInDate with another default")
            << alter("modify SignInDate varchar(10) not null default '-'") << 1 << false;
        QTest::newRow("RememberMe unsigned")
            << alter("modify RememberMe tinyint(4) unsigned not null") << 1 << false;
        QTest::newRow("mac_address in another character set")
            << alter("modify mac_address varchar(20) character set latin1 not null default ''") << 1
            << false;
        QTest::newRow("SignInDate in another collation")
            << alter("modify SignInDate varchar(10) collate utf8mb4_bin not null default ''") << 1
            << false;
        QTest::newRow("RememberMe with a comment")
            << alter("modify RememberMe tinyint(4) not null comment 'remembered'") << 1 << false;
        QTest::newRow("SignInDate spelt in lower case")
            << alter("change SignInDate signindate varchar(10) not null default ''") << 1 << false;
        QTest::newRow("mac_address invisible")
            << alter("modify mac_address varchar(20) not null default '' invisible") << 1 << false;
        QTest::newRow("RememberMe with its own check")
            << alter("modify RememberMe tinyint(4) not null check (RememberMe in (0, 1))") << 1
            << false;
        QTest::newRow("SignInDate compressed")
            << alter("modify SignInDate varchar(10) compressed not null default ''") << 1 << false;
        // describe takes the column name as a pattern: it finds mac1address, and the change
        // of a mac_address that is not there is refused.
        QTest::newRow("only a column that matches mac_address's pattern")
            << alter("change mac_address mac1address varchar(20) not null default ''") << 1 << true;
    }
    void tableShapeEndsAsTheLiteralStatementsLeaveIt()
    {
        QFETCH(QStringList, reshape);
        QFETCH(int, alters);
        QFETCH(bool, refused);
        const TestDatabase twin;
        for (const QSqlDatabase &each : {db->connection(), twin.connection()}) {
            mdlPublicVar::hostContext().setCON(each);
            CreateAccountTable();
            QSqlQuery query(each);
            QVERIFY(query.exec(
                "insert into it_TBL115BAC(id, MobileNo, mac_address, RememberMe, SignInDate, "
                "FullName, sPassword) values (1, '', 'AA', 0, '', '', ''), "
                "(2, '9876543210', 'AA-BB', 1, '05/12/26', 'O''Brien', 'p\\\\w''d'), "
                "(3, '9123456780', 'CC', 0, '', '', '')"));
            for (const QString &statement : reshape)
                QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
        }
        mdlPublicVar::hostContext().setCON(db->connection());
        QCOMPARE(tableAsItIs(*db), tableAsItIs(twin));

        const QString literalRefusal = runLiteralMigration(twin.connection());
        QCOMPARE(!literalRefusal.isEmpty(), refused);
        const int altersBefore = alterStatementsRun(*db);
        QString refusal;
        try {
            CreateAccountTable();
        } catch (const VelmoError &error) {
            refusal = error.message();
        }
        QCOMPARE(alterStatementsRun(*db) - altersBefore, alters);
        QVERIFY2(refused ? refusal.contains(literalRefusal) : refusal.isEmpty(),
                 qPrintable(refusal));
        QCOMPARE(tableAsItIs(*db), tableAsItIs(twin));
    }

    void onlyRowsWithoutMobileNumberAreRemoved_data()
    {
        QTest::addColumn<QStringList>("mobileNumbers");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("empty among numbers") << QStringList{"9876543210", "", "9123456780"}
                                             << QStringList{"9876543210", "9123456780"};
        // The column compares without trailing blanks, so blanks alone count as empty.
        QTest::newRow("blanks only")
            << QStringList{"   ", "9876543210"} << QStringList{"9876543210"};
        QTest::newRow("every row numbered")
            << QStringList{"9876543210", "0"} << QStringList{"9876543210", "0"};
        QTest::newRow("nothing but empty") << QStringList{"", ""} << QStringList{};
    }
    void onlyRowsWithoutMobileNumberAreRemoved()
    {
        QFETCH(QStringList, mobileNumbers);
        CreateAccountTable();
        for (int id = 0; id < mobileNumbers.size(); ++id)
            db->exec(QStringLiteral("insert into it_TBL115BAC(id, MobileNo, RememberMe) "
                                    "values (%1, '%2', 0)")
                         .arg(id)
                         .arg(mobileNumbers[id]));
        CreateAccountTable();
        QTEST(db->rows("select MobileNo from it_TBL115BAC order by id"), "kept");
    }

    void ensureColumnFillsExistingRowsWithTheDefault_data()
    {
        QTest::addColumn<QVariant>("defaultValue");
        QTest::addColumn<QString>("valueKind");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("number as text") << QVariant(7) << "" << QStringList({"7", "7"});
        QTest::newRow("numeric kind") << QVariant(7) << "N" << QStringList({"7", "7"});
        QTest::newRow("quote kept literally")
            << QVariant("O'B") << "" << QStringList({"O'B", "O'B"});
        QTest::newRow("empty default leaves the column default")
            << QVariant(QString()) << "" << QStringList({"d", "d"});
    }
    void ensureColumnFillsExistingRowsWithTheDefault()
    {
        QFETCH(QVariant, defaultValue);
        QFETCH(QString, valueKind);
        db->exec("create table t1(a int)");
        db->exec("insert into t1 values (1),(2)");
        EnsureColumn("t1", "extra", "varchar(10) not null default 'd'", defaultValue, valueKind);
        QTEST(db->rows("select extra from t1 order by a"), "expected");
    }

    void refusedStatementRaisesTheDatabaseMessage()
    {
        db->exec("create table t2(a int)");
        try {
            EnsureColumn("t2", "bad", "varchar(nonsense)", QString(), QString());
            QFAIL("expected an exception");
        } catch (const VelmoError &error) {
            QVERIFY2(error.message().contains("SQL syntax"), error.what());
        }
    }
};

QTEST_GUILESS_MAIN(tst_AccountTable)
#include "tst_AccountTable.moc"
