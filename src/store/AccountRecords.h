#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include "store/AccountRow.h"

struct SignInValues;

// Every statement the sign-in flows run against it_TBL115BAC. A row belongs to a
// mobile number on one machine (the window's MachineAddress). Values are bound,
// never pasted into the statement. Nothing is caught: a refused statement
// throws VelmoError to the handler that ran it.
class AccountRecords
{
public:
    // window is read for box texts and fields; db is the host's connection.
    AccountRecords(SignInValues &window, const QSqlDatabase &db);

    QList<AccountRow> FindAccount(const QString &mobile) const;
    double NextAccountId() const;
    void AddLoginAccount();
    void SaveRememberChoice();
    void StampSignInDate(bool ticked);
    void ForgetOtherAccounts();
    // Keeps the token of a successful login and its check text in the row of
    // TxtMobile1 on this machine, inserting the row when it is missing.
    void SaveLoginAccount(const QString &token, const QString &tokenCheck);
    void SaveSignupAccount();
    void UpdateAccountPassword();
    QString ReadStoredToken() const;
    QString ReadStoredToken1() const;
    qint64 CountMachineAccounts() const;
    QList<AccountRow> ReadRememberedAccount() const;
    void DeleteRememberedAccount(const QString &mobile);

private:
    QSqlQuery run(const QString &statement, const QVariantList &values = {}) const;
    QList<AccountRow> rows(const QString &statement, const QVariantList &values) const;
    int rememberValue() const;
    int firmOption() const;

    SignInValues &m_window;
    QSqlDatabase m_db;
};
