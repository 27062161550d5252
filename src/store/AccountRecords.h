#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include "store/AccountDetails.h"
#include "store/AccountRow.h"

// What the window's start-up takes from a remembered row.
struct RememberedAccount {
    QString MobileNo;
    QString sPassword;
    QString SignInDate;
};

// Every statement the sign-in flows run against it_TBL115BAC. A row belongs to a
// mobile number on one machine (the window's MachineAddress). Values are bound,
// never pasted into the statement. Nothing is caught: a refused statement
// throws VelmoError to the handler that ran it.
class AccountRecords
{
public:
    // machineAddress: the machine whose rows these are; db: the host's connection.
    AccountRecords(const QString &machineAddress, const QSqlDatabase &db);

    const QString &machineAddress() const { return m_machineAddress; }

    QList<AccountRow> FindAccount(const QString &mobile) const;
    double NextAccountId() const;
    // token: the window's CurrentToken, kept in the new row.
    void AddLoginAccount(const LoginEntry &login, const QString &token);
    void SaveRememberChoice(const LoginEntry &login);
    void StampSignInDate(const QString &mobile, bool ticked);
    void ForgetOtherAccounts(const QString &mobile);
    // Keeps the token of a successful login and its check text in the row of the
    // login's number on this machine, inserting the row from account when it is missing.
    void SaveLoginAccount(const AccountDetails &account, const QString &token,
                          const QString &tokenCheck);
    void SaveSignupAccount(const AccountDetails &account);
    void UpdateAccountPassword(const NewPassword &reset);
    QString ReadStoredToken(const QString &mobile) const;
    QString ReadStoredToken1(const QString &mobile) const;
    qint64 CountMachineAccounts() const;
    QList<RememberedAccount> ReadRememberedAccount() const;
    void DeleteRememberedAccount(const QString &mobile);

private:
    QSqlQuery run(const QString &statement, const QVariantList &values = {}) const;
    QList<AccountRow> rows(const QString &statement, const QVariantList &values) const;

    QString m_machineAddress;
    QSqlDatabase m_db;
};
