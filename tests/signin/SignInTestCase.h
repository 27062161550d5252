#pragma once

#include <QObject>
#include <QString>

#include <memory>

#include "SignInSession.h"
#include "TestDatabase.h"
#include "TestService.h"

#include "store/HostContext.h"

// What every test of the whole window shares: a private account service for the run,
// a fresh database handed to the host for each case, and this machine's address.
// Test classes derive from it; a derived init() or cleanup() calls the one here.
class SignInTestCase : public QObject
{
    Q_OBJECT

protected:
    // A row of the account table as an earlier session would have left it.
    void insertRow(const QString &mobile, const QString &address, const QString &rowPassword,
                   int remember = 0, const QString &signInDate = QStringLiteral(""));
    // A column of the number's row (the first, if there are several).
    QVariant fieldOf(const QString &mobile, const QString &column) const;
    int rowsOf(const QString &mobile) const { return fieldOf(mobile, "count(*)").toInt(); }
    static QString machine() { return QStringLiteral("AA-BB-CC-DD-EE-01"); }
    // The service keeps its accounts for the whole run, so each case signs up its own number.
    static QString freshNumber();

    static inline const QString password = QStringLiteral("Secret#2026");
    static inline const QString newPassword = QStringLiteral("Fresh@Pass9");

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<TestService> service;
    HostContext &host = mdlPublicVar::hostContext();

protected slots:
    void initTestCase();
    void cleanupTestCase() { service.reset(); }
    void init();
    void cleanup();
};
