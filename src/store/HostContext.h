#pragma once

#include <QSqlDatabase>
#include <QString>

// The process-wide record that clsAPI fills and that the store, the service
// calls and the window read. Shared by every instance of the entry class.
struct HostContext {
    QString IT_Clientcode;
    QString IT_Assyear;
    QString IT_Ver;
    bool IsSignedIn = false;

    // The host's connection. Auto-creating: while it holds no connection, reading
    // it stores and returns a new, unopened one.
    QSqlDatabase &CON();
    void setCON(const QSqlDatabase &connection) { m_con = connection; }

private:
    QSqlDatabase m_con;
};

namespace mdlPublicVar {
HostContext &hostContext();
}
