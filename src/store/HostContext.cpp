#include "store/HostContext.h"

#include <QAtomicInt>

QSqlDatabase &HostContext::CON()
{
    if (!m_con.isValid()) {
        static QAtomicInt serial;
        m_con = QSqlDatabase::addDatabase(
            QStringLiteral("QMYSQL"),
            QStringLiteral("VelmoITNet22SU-%1").arg(serial.fetchAndAddRelaxed(1)));
    }
    return m_con;
}

HostContext &mdlPublicVar::hostContext()
{
    static HostContext context;
    return context;
}
