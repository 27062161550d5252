#include "SignInTestCase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

#include "store/AccountTable.h"

void SignInTestCase::insertRow(const QString &mobile, const QString &address,
                               const QString &rowPassword, int remember, const QString &signInDate)
{
    QSqlQuery query(db->connection());
    query.prepare("insert into it_TBL115BAC (id, MobileNo, sPassword, cPassword, mac_address,"
                  " RememberMe, SignInDate) values ((select coalesce(max(t.id),0)+1 from "
                  "it_TBL115BAC t), ?, ?, ?, ?, ?, ?)");
    for (const QVariant &value :
         QVariantList{mobile, rowPassword, rowPassword, address, remember, signInDate})
        query.addBindValue(value);
    QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
}

QVariant SignInTestCase::fieldOf(const QString &mobile, const QString &column) const
{
    return db->scalar("select " + column + " from it_TBL115BAC where MobileNo='" + mobile + "'");
}

QString SignInTestCase::freshNumber()
{
    static int next = 1;
    return QStringLiteral("91000000%1").arg(next++, 2, 10, QChar(u'0'));
}

void SignInTestCase::initTestCase()
{
    qputenv("VELMO_MACHINE_ADDRESS", machine().toUtf8());
    service = std::make_unique<TestService>(QStringList{"--pbkdf2-iterations=1000"});
    QVERIFY(service->isRunning());
}

void SignInTestCase::init()
{
    db = std::make_unique<TestDatabase>();
    host.setCON(db->connection());
    host.IsSignedIn = false;
    CreateAccountTable();
}

void SignInTestCase::cleanup()
{
    service->setFault("none");
    host.setCON(QSqlDatabase());
    db.reset();
}
