#include "SignInSession.h"

#include <QRadioButton>
#include <QtTest>

#include <VelmoITNet22SU/clsVelmoITNet22SU.h>

#include "AccountFixture.h"
#include "TestService.h"
#include "ValidSignUp.h"
#include "WindowScript.h"
#include "controls/input/TextOrv.h"
#include "signin/SignUpPanel.h"

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
    const AccountDetails valid = validSignUp(mobile, password);
    typeInto(form.TxtName, valid.fullName);
    typeInto(form.TxtFirmName, valid.firmName);
    typeInto(form.TxtMobileNo, valid.mobile);
    typeInto(form.TxtEmail, valid.email);
    typeInto(form.TxtPassword, valid.password);
    typeInto(form.TxtConfirmPassword, valid.confirmedPassword);
    typeInto(form.txtPinCode, valid.pinCode);
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

void registerAccount(TestService &service, const QString &mobile, const QString &password)
{
    // The row it writes lands in the fixture's own database, gone with it.
    AccountFixture elsewhere;
    const CallOutcome created = elsewhere.signUp(validSignUp(mobile, password), service);
    QVERIFY2(created.succeeded, qPrintable(created.message));
}

} // namespace SignInSession
