#include "SignInSession.h"

#include <QNetworkAccessManager>
#include <QRadioButton>
#include <QSqlQuery>
#include <QtTest>

#include <VelmoITNet22SU/clsVelmoITNet22SU.h>

#include "SignUpValues.h"
#include "TestService.h"
#include "WindowScript.h"
#include "controls/input/TextOrv.h"
#include "service/AccountServiceCalls.h"
#include "service/HttpTransport.h"
#include "signin/SignUpPanel.h"
#include "store/AccountRecords.h"
#include "store/SignInValues.h"

namespace SignInSession
{

void typeInto(TextOrv *input, const QString &text)
{
    input->Text1()->setFocus();
    input->Text1()->selectAll();
    QTest::keyClicks(input->Text1(), text);
}

void fillSignUp(SignUpPanel &form, const QString &mobile, const QString &password)
{
    typeInto(form.TxtName, "Asha Rao");
    typeInto(form.TxtFirmName, "Rao & Co");
    typeInto(form.TxtMobileNo, mobile);
    typeInto(form.TxtEmail, "asha@example.in");
    typeInto(form.TxtPassword, password);
    typeInto(form.TxtConfirmPassword, password);
    typeInto(form.txtPinCode, "560001");
    form.Opt2->setChecked(true);
}

bool open(const std::function<void(FrmSignUp &)> &script)
{
    WindowScript driver(script);
    clsVelmoITNet22SU api;
    const bool result = api.SignUp(QString(), QStringLiteral("Velmo IT Test"));
    if (!driver.ran())
        qWarning("the window never opened");
    return result;
}

void registerAccount(TestService &service, QSqlDatabase db, const QString &mobile,
                     const QString &password)
{
    SignInValues values;
    values.MachineAddress = QStringLiteral("AA-BB-CC-DD-EE-99");
    fillSignUpValues(values, mobile, password);
    QNetworkAccessManager network;
    HttpTransport transport(&network, 10);
    AccountRecords records(values, db);
    AccountServiceCalls calls(transport, records, values);
    const CallOutcome sent = calls.ApiSendOtpSignup();
    QVERIFY2(sent.succeeded, qPrintable(sent.message));
    values.txtOTP = service.latestOtp(mobile);
    QVERIFY(calls.ApiVerifyOtp().succeeded);
    const CallOutcome created = calls.ApiSignup();
    QVERIFY2(created.succeeded, qPrintable(created.message));
    QSqlQuery(db).exec("delete from it_TBL115BAC");
}

} // namespace SignInSession
