#include "store/AccountRecords.h"

#include <QSqlRecord>
#include <QVariant>

#include "platform/SqlCommand.h"
#include "store/HostContext.h"
#include "store/ShortDate.h"

namespace
{

// A null QString would be bound as NULL, which the NOT NULL columns refuse; an
// untouched input box means an empty text.
QVariantList withEmptyTexts(QVariantList values)
{
    for (QVariant &value : values) {
        if (value.typeId() == QMetaType::QString && value.toString().isNull())
            value = QStringLiteral("");
    }
    return values;
}

int rememberValue(const LoginEntry &login)
{
    return login.remember ? 1 : 0;
}

} // namespace

AccountRecords::AccountRecords(const QString &machineAddress, const QSqlDatabase &db)
    : m_machineAddress(machineAddress), m_db(db)
{
}

QList<AccountRow> AccountRecords::rows(const QString &statement, const QVariantList &values) const
{
    QSqlQuery query = run(statement, values);
    QList<AccountRow> found;
    while (query.next())
        found << AccountRow::fromRecord(query.record());
    return found;
}

QSqlQuery AccountRecords::run(const QString &statement, const QVariantList &values) const
{
    return execSql(m_db, statement, withEmptyTexts(values));
}

QList<AccountRow> AccountRecords::FindAccount(const QString &mobile) const
{
    return rows(QStringLiteral("select * from it_TBL115BAC where Mobileno =? and mac_address =?"),
                {mobile, m_machineAddress});
}

double AccountRecords::NextAccountId() const
{
    QSqlQuery query = run(QStringLiteral("Select max(id) as mxID from  it_TBL115BAC"));
    if (!query.next() || query.value(0).isNull())
        return 1;
    return query.value(0).toDouble() + 1;
}

void AccountRecords::AddLoginAccount(const LoginEntry &login, const QString &token)
{
    const double id = NextAccountId();
    const bool ticked = login.remember;
    run(QStringLiteral("Insert into it_TBL115BAC (id, MobileNo, sPassword, cPassword, OptFirm, "
                       "OptAgree, Token, Token1, mac_address, RememberMe,SignInDate) "
                       "values(?,?,?,?,1,1,?,?,?,?,?)"),
        {id, login.mobile, login.password, login.password, token, QString(), m_machineAddress,
         rememberValue(login), ticked ? ShortDate::today() : QString()});
}

void AccountRecords::SaveRememberChoice(const LoginEntry &login)
{
    run(QStringLiteral("Update it_TBL115BAC SET RememberMe=?,sPassword=? where Mobileno =? and "
                       "mac_address =?"),
        {rememberValue(login), login.password, login.mobile, m_machineAddress});
}

void AccountRecords::StampSignInDate(const QString &mobile, bool ticked)
{
    const QString statement =
        ticked ? QStringLiteral("Update it_TBL115BAC SET SignIndate=? where Mobileno =? and "
                                "mac_address =? And RememberMe=1")
               : QStringLiteral("Update it_TBL115BAC SET SignIndate=? where Mobileno =? and "
                                "mac_address =? And RememberMe=0");
    run(statement, {ticked ? ShortDate::today() : QString(), mobile, m_machineAddress});
}

void AccountRecords::ForgetOtherAccounts(const QString &mobile)
{
    run(QStringLiteral("Update it_TBL115BAC SET RememberMe=0, SignInDate='' where Mobileno "
                       "<>? and mac_address =?"),
        {mobile, m_machineAddress});
}

void AccountRecords::SaveLoginAccount(const AccountDetails &account, const QString &token,
                                      const QString &tokenCheck)
{
    if (FindAccount(account.mobile).isEmpty()) {
        const HostContext &host = mdlPublicVar::hostContext();
        // RememberMe has no default: it is named with 0 so that the insert also
        // works under a strict sql_mode.
        run(QStringLiteral("Insert into it_TBL115BAC (id ,cCodeNo,ay,FullName,FirmName,MobileNo, "
                           "Pin, sPassword, sEmailId,cPassword,OptFirm,OptAgree,Token,Token1,"
                           "mac_address,RememberMe) values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,0)"),
            {NextAccountId(), host.IT_Clientcode, host.IT_Assyear, account.fullName,
             account.firmName, account.mobile, account.pinCode, account.password, account.email,
             account.confirmedPassword, account.firmOption, account.agreed, token, tokenCheck,
             m_machineAddress});
    }
    run(QStringLiteral("update it_TBL115BAC set token =?, token1 =? where Mobileno =? and "
                       "mac_address =?"),
        {token, tokenCheck, account.mobile, m_machineAddress});
}

void AccountRecords::SaveSignupAccount(const AccountDetails &account)
{
    // Inserted only while the new number has no row on this machine; an existing
    // row is kept, and the first login brings its tokens up to date.
    const QList<AccountRow> existing =
        rows(QStringLiteral("Select * from  it_TBL115BAC where mobileno =? and mac_address =?"),
             {account.mobile, m_machineAddress});
    if (!existing.isEmpty())
        return;
    const HostContext &host = mdlPublicVar::hostContext();
    run(QStringLiteral("Insert into it_TBL115BAC (id ,cCodeNo,ay,FullName,FirmName,MobileNo, "
                       "Pin, sPassword, sEmailId,cPassword,OptFirm,OptAgree,mac_address,"
                       "RememberMe) values(?,?,?,?,?,?,?,?,?,?,?,?,?,0)"),
        {NextAccountId(), host.IT_Clientcode, host.IT_Assyear, account.fullName, account.firmName,
         account.mobile, account.pinCode, account.password, account.email,
         account.confirmedPassword, account.firmOption, account.agreed, m_machineAddress});
}

void AccountRecords::UpdateAccountPassword(const NewPassword &reset)
{
    run(QStringLiteral("update it_TBL115BAC set sPassword =?, cPassword =? where Mobileno =?"),
        {reset.password, reset.confirmation, reset.mobile});
}

QString AccountRecords::ReadStoredToken(const QString &mobile) const
{
    const QList<AccountRow> found = FindAccount(mobile);
    return found.isEmpty() ? QString() : found.first().token;
}

QString AccountRecords::ReadStoredToken1(const QString &mobile) const
{
    const QList<AccountRow> found = FindAccount(mobile);
    return found.isEmpty() ? QString() : found.first().token1;
}

qint64 AccountRecords::CountMachineAccounts() const
{
    QSqlQuery query = run(QStringLiteral("SELECT Count(*) FROM it_TBL115BAC where mac_address =?"),
                          {m_machineAddress});
    return query.next() ? query.value(0).toLongLong() : 0;
}

QList<RememberedAccount> AccountRecords::ReadRememberedAccount() const
{
    // Only the columns the start-up uses: with "*" the server builds every scanned row's
    // two token texts as well, which more than doubles the time of this full scan.
    QSqlQuery query = run(QStringLiteral("SELECT MobileNo, sPassword, SignInDate FROM it_TBL115BAC "
                                         "where mac_address =? And RememberMe=1"),
                          {m_machineAddress});
    QList<RememberedAccount> found;
    while (query.next())
        found.append({query.value(0).toString(), query.value(1).toString(),
                      query.value(2).toString()});
    return found;
}

void AccountRecords::DeleteRememberedAccount(const QString &mobile)
{
    run(QStringLiteral("DELETE FROM it_TBL115BAC where MobileNo=? and mac_address =? And "
                       "RememberMe=1"),
        {mobile, m_machineAddress});
}
