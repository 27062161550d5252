#include <QSqlQuery>
#include <QtTest>

#include <VelmoITNet22SU/VelmoError.h>

#include "TestDatabase.h"
#include "entry/mdlPublicVar.h"
#include "store/AccountTable.h"

class tst_AccountTable : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> db;

    QStringList describe(int column) const
    {
        QStringList values;
        QSqlQuery query(db->connection());
        query.exec(QStringLiteral("describe it_TBL115BAC"));
        while (query.next())
            values << query.value(column).toString();
        return values;
    }

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
        QTest::newRow("two blanks") << "a  b" << "a b";
        QTest::newRow("five blanks") << "a     b" << "a b";
        QTest::newRow("three runs") << "  a   b    " << " a b ";
        QTest::newRow("single blanks kept") << "a b c" << "a b c";
        QTest::newRow("tabs untouched") << "a\t\tb" << "a\t\tb";
        QTest::newRow("empty") << "" << "";
    }
    void normaliseSpaces()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(NormaliseSpaces(input), expected);
    }

    void freshDatabaseGetsSeventeenColumnsInOrder()
    {
        CreateAccountTable();
        const QStringList expectedNames = {
            "id",       "cCodeNo",   "AY",        "FullName", "FirmName", "MobileNo",
            "Pin",      "sPassword", "sEmailId",  "cPassword", "OptFirm", "OptAgree",
            "token",    "token1",    "mac_address", "RememberMe", "SignInDate"};
        const QStringList expectedTypes = {
            "double",      "varchar(20)", "varchar(10)", "varchar(60)", "varchar(60)",
            "varchar(10)", "varchar(6)",  "varchar(30)", "varchar(100)", "varchar(30)",
            "int(11)",     "int(11)",     "text",        "text",        "varchar(20)",
            "tinyint(4)",  "varchar(10)"};
        QCOMPARE(describe(0), expectedNames);
        QCOMPARE(describe(1), expectedTypes);
        QCOMPARE(describe(2), QStringList(17, QStringLiteral("NO")));
        QStringList defaults;
        for (const QVariant &value :
             db->column("select COLUMN_DEFAULT from information_schema.COLUMNS where "
                        "TABLE_SCHEMA=database() and TABLE_NAME='it_TBL115BAC' "
                        "order by ORDINAL_POSITION"))
            defaults << (value.isNull() ? QStringLiteral("NULL") : value.toString());
        QStringList expectedDefaults = {"0", "''", "''", "''", "''", "''", "''", "''", "''",
                                        "''", "0", "0", "''", "''", "''", "NULL", "''"};
        QCOMPARE(defaults, expectedDefaults);
        QVERIFY(describe(3).join(QString()).isEmpty()); // no key, no index
    }

    void olderTableGainsRememberMeReadingZero()
    {
        db->exec("Create Table it_TBL115BAC(id double not null default 0, MobileNo varchar(10) "
                 "Not Null default '', mac_address varchar(20) not null default '', "
                 "token text not null default '')");
        db->exec("insert into it_TBL115BAC(id, MobileNo, mac_address) values "
                 "(1,'9876543210','AA'),(2,'9123456780','BB')");
        CreateAccountTable();
        QCOMPARE(db->column("select RememberMe from it_TBL115BAC order by id"),
                 QVariantList({0, 0}));
        QCOMPARE(db->column("select SignInDate from it_TBL115BAC order by id"),
                 QVariantList({"", ""}));
        QCOMPARE(db->column("select MobileNo from it_TBL115BAC order by id"),
                 QVariantList({"9876543210", "9123456780"}));
    }

    void signInDateOfAnotherTypeBecomesVarchar10()
    {
        CreateAccountTable();
        db->exec("alter table it_TBL115BAC modify SignInDate varchar(8) not null default ''");
        db->exec("insert into it_TBL115BAC(MobileNo, RememberMe, SignInDate) "
                 "values ('9876543210', 1, '05/12/26')");
        CreateAccountTable();
        QCOMPARE(db->scalar("select COLUMN_TYPE from information_schema.COLUMNS where "
                            "TABLE_SCHEMA=database() and COLUMN_NAME='SignInDate'")
                     .toString(),
                 QStringLiteral("varchar(10)"));
        QCOMPARE(db->scalar("select SignInDate from it_TBL115BAC").toString(),
                 QStringLiteral("05/12/26"));
    }

    // All three migrated definitions say NOT NULL, so an existing column that allows NULL
    // is given its whole definition again, default included, and keeps its values.
    void nullableColumnRegainsItsDefinition_data()
    {
        QTest::addColumn<QString>("relaxation");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("expectedDefault");
        QTest::newRow("SignInDate allows NULL")
            << "modify SignInDate varchar(10) null" << "SignInDate" << "''";
        QTest::newRow("mac_address allows NULL, another default")
            << "modify mac_address varchar(20) null default 'none'" << "mac_address" << "''";
        QTest::newRow("RememberMe allows NULL, a default")
            << "modify RememberMe tinyint(4) null default 1" << "RememberMe" << "(none)";
    }
    void nullableColumnRegainsItsDefinition()
    {
        QFETCH(QString, relaxation);
        QFETCH(QString, column);
        QFETCH(QString, expectedDefault);
        CreateAccountTable();
        db->exec("alter table it_TBL115BAC " + relaxation);
        db->exec("insert into it_TBL115BAC(id, MobileNo, mac_address, RememberMe, SignInDate) "
                 "values (1, '9876543210', 'AA-BB', 1, '05/12/2026')");
        const QString attributes = "select IS_NULLABLE, ifnull(COLUMN_DEFAULT, '(none)') from "
                                   "information_schema.COLUMNS where TABLE_SCHEMA=database() "
                                   "and TABLE_NAME='it_TBL115BAC' and COLUMN_NAME='" +
                                   column + "'";
        QCOMPARE(db->scalar(attributes).toString(), QStringLiteral("YES"));

        CreateAccountTable();
        QSqlQuery after = db->connection().exec(attributes);
        QVERIFY(after.next());
        QCOMPARE(after.value(0).toString(), QStringLiteral("NO"));
        QCOMPARE(after.value(1).toString(), expectedDefault);
        QCOMPARE(db->scalar("select concat_ws('|', MobileNo, mac_address, RememberMe, SignInDate) "
                            "from it_TBL115BAC")
                     .toString(),
                 QStringLiteral("9876543210|AA-BB|1|05/12/2026"));
    }

    void rowsWithoutMobileNumberAreRemovedOnEveryRun()
    {
        CreateAccountTable();
        db->exec("insert into it_TBL115BAC(id, MobileNo, RememberMe) values (1,'',0),"
                 "(2,'9876543210',0)");
        CreateAccountTable();
        QCOMPARE(db->column("select id from it_TBL115BAC"), QVariantList({2.0}));
        db->exec("insert into it_TBL115BAC(id, MobileNo, RememberMe) values (3,'',1)");
        CreateAccountTable();
        QCOMPARE(db->column("select id from it_TBL115BAC"), QVariantList({2.0}));
    }

    void secondRunChangesNoData()
    {
        CreateAccountTable();
        db->exec("insert into it_TBL115BAC values (1,'C1','2026','O''Brien','Firm',"
                 "'9876543210','110001','p\\\\w''d','a@b.in','p\\\\w''d',1,1,'tok','chk',"
                 "'AA-BB-CC-DD-EE-FF',1,'05/12/2026')");
        const QString everything = QStringLiteral("select concat_ws('|', id, cCodeNo, AY, "
                                                  "FullName, FirmName, MobileNo, Pin, sPassword,"
                                                  " sEmailId, cPassword, OptFirm, OptAgree, "
                                                  "token, token1, mac_address, RememberMe, "
                                                  "SignInDate) from it_TBL115BAC");
        const QVariant before = db->scalar(everything);
        CreateAccountTable();
        QCOMPARE(db->scalar(everything), before);
        QCOMPARE(describe(0).size(), 17);
    }

    void ensureColumnFillsExistingRowsWithTheDefault_data()
    {
        QTest::addColumn<QVariant>("defaultValue");
        QTest::addColumn<QString>("valueKind");
        QTest::addColumn<QVariantList>("expected");
        QTest::newRow("number as text") << QVariant(7) << "" << QVariantList({"7", "7"});
        QTest::newRow("numeric kind") << QVariant(7) << "N" << QVariantList({"7", "7"});
        QTest::newRow("quote kept literally") << QVariant("O'B") << ""
                                              << QVariantList({"O'B", "O'B"});
        QTest::newRow("empty default leaves the column default") << QVariant(QString()) << ""
                                                                 << QVariantList({"d", "d"});
    }
    void ensureColumnFillsExistingRowsWithTheDefault()
    {
        QFETCH(QVariant, defaultValue);
        QFETCH(QString, valueKind);
        QFETCH(QVariantList, expected);
        db->exec("create table t1(a int)");
        db->exec("insert into t1 values (1),(2)");
        EnsureColumn("t1", "extra", "varchar(10) not null default 'd'", defaultValue, valueKind);
        QCOMPARE(db->column("select extra from t1 order by a"), expected);
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
