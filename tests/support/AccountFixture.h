#pragma once

#include <QNetworkAccessManager>
#include <QSqlDatabase>
#include <QString>

#include <functional>

#include "TestDatabase.h"
#include "service/AccountServiceCalls.h"
#include "service/HttpTransport.h"
#include "store/AccountRecords.h"

class TestService;

// What the store and service tests start from: a fresh database with the account
// table, handed to the host context as the host's connection (the earlier one
// comes back when the fixture goes), the records of one machine on it, and the
// service calls over a transport of their own.
class AccountFixture
{
public:
    static inline const QString machine = QStringLiteral("AA-BB-CC-DD-EE-FF");

    // network: the manager the calls post through, an own one when null.
    explicit AccountFixture(QNetworkAccessManager *network = nullptr, int timeoutSeconds = 10,
                            const QString &machineAddress = machine);
    ~AccountFixture();
    AccountFixture(const AccountFixture &) = delete;
    AccountFixture &operator=(const AccountFixture &) = delete;

    // Runs one call and keeps the ids its reply hands on, as the window does.
    CallOutcome run(const std::function<CallOutcome(AccountServiceCalls &)> &call);

    enum class SignUpStep { SendCode, VerifyCode, CreateAccount };
    // Creates the account of form as the window does: sends a code, verifies the
    // code that code() answers, signs up; stops after the step last. Answers the
    // outcome of the first step that failed, or of the last.
    CallOutcome signUp(const AccountDetails &form, const std::function<QString()> &code,
                       SignUpStep last = SignUpStep::CreateAccount);
    // The same, with the code the service "sent".
    CallOutcome signUp(const AccountDetails &form, const TestService &service,
                       SignUpStep last = SignUpStep::CreateAccount);
    // Asks for a reset code and verifies it; answers as signUp does.
    CallOutcome verifyResetCode(const QString &mobile, const TestService &service);

    int rowCount() const;
    // Puts in a row on db as an earlier session left it: the next id, the password typed
    // and confirmed alike.
    static void insertRow(const QSqlDatabase &db, const QString &mobile, const QString &machine,
                          const QString &password, int remember, const QString &signInDate);

    TestDatabase db;
    qint32 otpVerificationId = 0;
    qint32 resetUserId = 0;

private:
    QSqlDatabase m_previousConnection;
    QNetworkAccessManager m_ownNetwork;

public:
    HttpTransport transport;
    AccountRecords records;
    AccountServiceCalls calls;
};
