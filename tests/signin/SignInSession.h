#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QString>

#include <functional>

// The window with its five panels and the boxes and buttons that the scripts reach, and
// the watcher that answers its message boxes.
#include "MessageBoxWatcher.h"
#include "controls/input/TextOrv.h"
#include "signin/ForgotPasswordPanel.h"
#include "signin/FrmSignUp.h"
#include "signin/LoginPanel.h"
#include "signin/NewPasswordPanel.h"
#include "signin/OtpPanel.h"
#include "signin/SignUpPanel.h"

class TestService;

// What the window tests do as the user and as the host.
namespace SignInSession
{

// Focuses the input, selects what it holds and types text over it.
void typeInto(TextOrv *input, const QString &text);

// Types a valid sign-up form for the number, with the business option.
void fillSignUp(SignUpPanel &form, const QString &mobile, const QString &password);

// From the sign-up panel, types a valid form for the number and clicks SIGN UP.
void submitSignUp(FrmSignUp &window, const QString &mobile, const QString &password);

// Types the number and password into the login panel, ticks Remember me when asked,
// and clicks LOGIN.
void logIn(FrmSignUp &window, const QString &mobile, const QString &password,
           bool remember = false);

// From the login panel, asks for a reset code for the number.
void sendResetCode(FrmSignUp &window, const QString &mobile);

// Types the code the service sent to the number and clicks VERIFY OTP.
void verifyCode(FrmSignUp &window, const TestService &service, const QString &mobile);

// Opens the window through the host API, runs script on it once it is modal and then
// closes it, as its user would, if it is still open; answers what SignUp returned.
bool open(const std::function<void(FrmSignUp &)> &script);

// Registers an account with the service through the same calls the window makes,
// leaving the host's account table as it was. Fails the running test when the
// service refuses.
void registerAccount(TestService &service, const QString &mobile, const QString &password);

} // namespace SignInSession
