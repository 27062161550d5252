#include "SignInTestCase.h"

#include <QtTest>

#include "AccountFixture.h"
#include "store/AccountTable.h"

void SignInTestCase::insertRow(const QString &mobile, const QString &address,
                               const QString &rowPassword, int remember, const QString &signInDate)
{
    AccountFixture::insertRow(db->connection(), mobile, address, rowPassword, remember, signInDate);
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
