#include "store/AccountRecords.h"

#include <QSqlRecord>
#include <QVariant>

#include "platform/SqlCommand.h"
#include "store/HostContext.h"
#include "store/ShortDate.h"
#include "store/SignInValues.h"

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

} // namespace

AccountRecords::AccountRecords(SignInValues &window, const QSqlDatabase &db)
    : m_window(window), m_db(db)
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

int AccountRecords::rememberValue() const
{
    return m_window.chkRememberMe == 1 ? 1 : 0;
}

int AccountRecords::firmOption() const
{
    if (m_window.Opt1)
        return 1;
    return m_window.Opt2 ? 2 : 0;
}

QList<AccountRow> AccountRecords::FindAccount(const QString &mobile) const
{
    return rows(QStringLiteral("select * from it_TBL115BAC where Mobileno =? and mac_address =?"),
                {mobile, m_window.MachineAddress});
}

double AccountRecords::NextAccountId() const
{
    QSqlQuery query = run(QStringLiteral("Select max(id) as mxID from  it_TBL115BAC"));
    if (!query.next() || query.value(0).isNull())
        return 1;
    return query.value(0).toDouble() + 1;
}

void AccountRecords::AddLoginAccount()
{
    const double id = NextAccountId();
    const bool ticked = rememberValue() == 1;
    run(QStringLiteral("Insert into it_TBL115BAC (id, MobileNo, sPassword, cPassword, OptFirm, "
                       "OptAgree, Token, Token1, mac_address, RememberMe,SignInDate) "
                       "values(?,?,?,?,1,1,?,?,?,?,?)"),
        {id, m_window.TxtMobile1, m_window.TxtPassword2, m_window.TxtPassword2,
         m_window.CurrentToken, QString(), m_window.MachineAddress, rememberValue(),
         ticked ? ShortDate::today() : QString()});
}

void AccountRecords::SaveRememberChoice()
{
    run(QStringLiteral("Update it_TBL115BAC SET RememberMe=?,sPassword=? where Mobileno =? and "
                       "mac_address =?"),
        {rememberValue(), m_window.TxtPassword2, m_window.TxtMobile1, m_window.MachineAddress});
}

void AccountRecords::StampSignInDate(bool ticked)
{
    const QString statement =
        ticked ? QStringLiteral("Update it_TBL115BAC SET SignIndate=? where Mobileno =? and "
                                "mac_address =? And RememberMe=1")
               : QStringLiteral("Update it_TBL115BAC SET SignIndate=? where Mobileno =? and "
                                "mac_address =? And RememberMe=0");
    run(statement,
        {ticked ? ShortDate::today() : QString(), m_window.TxtMobile1, m_window.MachineAddress});
}

void AccountRecords::ForgetOtherAccounts()
{
    run(QStringLiteral("Update it_TBL115BAC SET RememberMe=0, SignInDate='' where Mobileno "
                       "<>? and mac_address =?"),
        {m_window.TxtMobile1, m_window.MachineAddress});
}

void AccountRecords::SaveLoginAccount(const QString &token, const QString &tokenCheck)
{
    if (FindAccount(m_window.TxtMobile1).isEmpty()) {
        const HostContext &host = mdlPublicVar::hostContext();
        // RememberMe has no default: it is named with 0 so that the insert also
        // works under a strict sql_mode.
        run(QStringLiteral("Insert into it_TBL115BAC (id ,cCodeNo,ay,FullName,FirmName,MobileNo, "
                           "Pin, sPassword, sEmailId,cPassword,OptFirm,OptAgree,Token,Token1,"
                           "mac_address,RememberMe) values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,0)"),
            {NextAccountId(), host.IT_Clientcode, host.IT_Assyear, m_window.TxtName,
             m_window.TxtFirmName, m_window.TxtMobile1, m_window.txtPinCode, m_window.TxtPassword2,
             m_window.TxtEmail, m_window.TxtPassword2, firmOption(), m_window.ChekAgreeOrNot, token,
             tokenCheck, m_window.MachineAddress});
    }
    run(QStringLiteral("update it_TBL115BAC set token =?, token1 =? where Mobileno =? and "
                       "mac_address =?"),
        {token, tokenCheck, m_window.TxtMobile1, m_window.MachineAddress});
}

void AccountRecords::SaveSignupAccount()
{
    // Inserted only while the new number has no row on this machine; an existing
    // row is kept, and the first login brings its tokens up to date.
    const QList<AccountRow> existing =
        rows(QStringLiteral("Select * from  it_TBL115BAC where mobileno =? and mac_address =?"),
             {m_window.TxtMobileNo, m_window.MachineAddress});
    if (!existing.isEmpty())
        return;
    const HostContext &host = mdlPublicVar::hostContext();
    run(QStringLiteral("Insert into it_TBL115BAC (id ,cCodeNo,ay,FullName,FirmName,MobileNo, "
                       "Pin, sPassword, sEmailId,cPassword,OptFirm,OptAgree,mac_address,"
                       "RememberMe) values(?,?,?,?,?,?,?,?,?,?,?,?,?,0)"),
        {NextAccountId(), host.IT_Clientcode, host.IT_Assyear, m_window.TxtName,
         m_window.TxtFirmName, m_window.TxtMobileNo, m_window.txtPinCode, m_window.TxtPassword,
         m_window.TxtEmail, m_window.TxtConfirmPassword, firmOption(), m_window.ChekAgreeOrNot,
         m_window.MachineAddress});
}

void AccountRecords::UpdateAccountPassword()
{
    run(QStringLiteral("update it_TBL115BAC set sPassword =?, cPassword =? where Mobileno =?"),
        {m_window.txtForPass, m_window.txtForConPass, m_window.Text1});
}

QString AccountRecords::ReadStoredToken() const
{
    const QList<AccountRow> found = FindAccount(m_window.TxtMobile1);
    return found.isEmpty() ? QString() : found.first().token;
}

QString AccountRecords::ReadStoredToken1() const
{
    const QList<AccountRow> found = FindAccount(m_window.TxtMobile1);
    return found.isEmpty() ? QString() : found.first().token1;
}

qint64 AccountRecords::CountMachineAccounts() const
{
    QSqlQuery query = run(QStringLiteral("SELECT Count(*) FROM it_TBL115BAC where mac_address =?"),
                          {m_window.MachineAddress});
    return query.next() ? query.value(0).toLongLong() : 0;
}

QList<AccountRow> AccountRecords::ReadRememberedAccount() const
{
    return rows(QStringLiteral("SELECT * FROM it_TBL115BAC where mac_address =? And RememberMe=1"),
                {m_window.MachineAddress});
}

void AccountRecords::DeleteRememberedAccount(const QString &mobile)
{
    run(QStringLiteral("DELETE FROM it_TBL115BAC where MobileNo=? and mac_address =? And "
                       "RememberMe=1"),
        {mobile, m_window.MachineAddress});
}
