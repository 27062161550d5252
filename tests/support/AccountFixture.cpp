#include "AccountFixture.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include "TestService.h"
#include "store/AccountTable.h"
#include "store/HostContext.h"

AccountFixture::AccountFixture(QNetworkAccessManager *network, int timeoutSeconds,
                               const QString &machineAddress)
    : m_previousConnection(mdlPublicVar::hostContext().CON()),
      transport(network ? network : &m_ownNetwork, timeoutSeconds),
      records(machineAddress, db.connection()), calls(transport, records)
{
    mdlPublicVar::hostContext().setCON(db.connection());
    CreateAccountTable();
}

AccountFixture::~AccountFixture()
{
    mdlPublicVar::hostContext().setCON(m_previousConnection);
}

CallOutcome AccountFixture::run(const std::function<CallOutcome(AccountServiceCalls &)> &call)
{
    const CallOutcome outcome = call(calls);
    otpVerificationId = calls.reply().otpVerificationId.value_or(otpVerificationId);
    resetUserId = calls.reply().userId.value_or(resetUserId);
    return outcome;
}

CallOutcome AccountFixture::signUp(const AccountDetails &form, const std::function<QString()> &code,
                                   SignUpStep last)
{
    resetUserId = 0;
    CallOutcome outcome =
        run([&](AccountServiceCalls &c) { return c.ApiSendOtpSignup(form.mobile, form.email); });
    if (!outcome.succeeded || last == SignUpStep::SendCode)
        return outcome;
    outcome = run([&](AccountServiceCalls &c) {
        return c.ApiVerifyOtp(form.mobile, otpVerificationId, code());
    });
    if (!outcome.succeeded || last == SignUpStep::VerifyCode)
        return outcome;
    return run([&](AccountServiceCalls &c) { return c.ApiSignup(form, otpVerificationId); });
}

CallOutcome AccountFixture::signUp(const AccountDetails &form, const TestService &service,
                                   SignUpStep last)
{
    return signUp(
        form, [&] { return service.latestOtp(form.mobile); }, last);
}

CallOutcome AccountFixture::verifyResetCode(const QString &mobile, const TestService &service)
{
    const CallOutcome sent =
        run([&](AccountServiceCalls &c) { return c.ApiSendOtpForgotPassword(mobile); });
    if (!sent.succeeded)
        return sent;
    return run([&](AccountServiceCalls &c) {
        return c.ApiVerifyOtp(mobile, otpVerificationId, service.latestOtp(mobile));
    });
}

int AccountFixture::rowCount() const
{
    return db.scalar(QStringLiteral("select count(*) from it_TBL115BAC")).toInt();
}

void AccountFixture::insertRow(const QSqlDatabase &db, const QString &mobile,
                               const QString &machine, const QString &password, int remember,
                               const QString &signInDate)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "insert into it_TBL115BAC (id, MobileNo, sPassword, cPassword, mac_address, RememberMe, "
        "SignInDate) values ((select ifnull(max(t.id), 0) + 1 from it_TBL115BAC t), ?, ?, ?, ?, "
        "?, ?)"));
    for (const QVariant &value :
         QVariantList{mobile, password, password, machine, remember, signInDate})
        query.addBindValue(value);
    QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
}
