#include "SeededAccountDatabase.h"

#include <QSqlError>
#include <QSqlQuery>

#include <stdexcept>

#include "store/AccountTable.h"
#include "store/HostContext.h"
#include "store/ShortDate.h"

namespace
{

const QString connectionName = QStringLiteral("velmo-bench");
constexpr int machines = 20;
constexpr int thisMachineEvery = 200;

QString otherMachine(int row)
{
    return QStringLiteral("0A-00-00-00-01-%1").arg(row % machines, 2, 10, QLatin1Char('0'));
}

// A token-sized text, so rows are as wide as after a real login.
QString tokenLike(int row)
{
    return QStringLiteral("eyJhbGciOiJIUzI1NiJ9.") + QString::number(row).repeated(24) +
           QStringLiteral(".c2lnbmF0dXJl");
}

} // namespace

SeededAccountDatabase::SeededAccountDatabase(int rows) : m_rows(rows)
{
    if (!m_server.isRunning())
        throw std::runtime_error("mariadbd did not start");
    const QString name = m_server.createDatabase();
    m_db = PrivateMariaDb::open(m_server.socket(), name, connectionName);
    if (name.isEmpty() || !m_db.isOpen()) {
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        throw std::runtime_error("cannot create the benchmark database on mariadbd");
    }
    mdlPublicVar::hostContext().setCON(m_db);
    qputenv("VELMO_MACHINE_ADDRESS", thisMachine.toUtf8());
    try {
        CreateAccountTable();
        fill();
    } catch (...) {
        mdlPublicVar::hostContext().setCON(QSqlDatabase());
        throw;
    }
}

SeededAccountDatabase::~SeededAccountDatabase()
{
    mdlPublicVar::hostContext().setCON(QSqlDatabase());
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName);
}

int SeededAccountDatabase::rowsOfThisMachine() const
{
    return (m_rows + thisMachineEvery - 1) / thisMachineEvery;
}

void SeededAccountDatabase::fill()
{
    QVariantList ids, mobiles, passwords, addresses, remember, dates, names, tokens;
    const QString today = ShortDate::today();
    const int lastOfThisMachine = (rowsOfThisMachine() - 1) * thisMachineEvery;
    for (int row = 0; row < m_rows; ++row) {
        const bool mine = row % thisMachineEvery == 0;
        ids << row + 1;
        mobiles << QString::number(9000000000LL + row);
        passwords << QStringLiteral("Bench#%1").arg(row);
        addresses << (mine ? thisMachine : otherMachine(row));
        remember << ((mine ? row == lastOfThisMachine : row % 7 == 0) ? 1 : 0);
        // An empty date is a text, not NULL: the column is NOT NULL.
        dates << (row % 3 == 0 ? today : QStringLiteral(""));
        names << QStringLiteral("Account holder %1").arg(row);
        tokens << tokenLike(row);
    }

    m_db.transaction();
    QSqlQuery insert(m_db);
    insert.prepare(QStringLiteral(
        "insert into it_TBL115BAC (id, MobileNo, sPassword, cPassword, mac_address, RememberMe, "
        "SignInDate, FullName, FirmName, token, token1) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariantList &column : {ids, mobiles, passwords, passwords, addresses, remember,
                                       dates, names, names, tokens, tokens})
        insert.addBindValue(column);
    if (!insert.execBatch() || !m_db.commit())
        throw std::runtime_error(insert.lastError().text().toStdString());
}
