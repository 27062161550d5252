#include "signin/ScreenTransitions.h"

#include <QtGlobal>

#include <array>

#include "signin/SignInTheme.h"

namespace
{

using enum Screen;
using enum Transition;
using SignInTheme::forgotWidth;
using SignInTheme::loginWidth;
using SignInTheme::otpWidth;

constexpr int unchanged = 0;
constexpr const char *sameCaption = nullptr;
constexpr std::optional<Screen> keepFocus;

// Captions are looked up under FrmSignUp, which shows them.
constexpr const char *signIn = QT_TRANSLATE_NOOP("FrmSignUp", "Sign In");
constexpr const char *signUp = QT_TRANSLATE_NOOP("FrmSignUp", "Sign Up");
constexpr const char *forgotPassword = QT_TRANSLATE_NOOP("FrmSignUp", "Forgot Password");

// One row per Transition, in its order.
constexpr std::array<ScreenChange, 11> changes{{
    // clang-format off
    // move               caption         width      show             hide                                                         focus
    {OpenOnSignUp,      signUp,         unchanged,  SignUp,          Login | OneTimePassword | ForgotPassword | NewPassword,       keepFocus},
    {OpenOnLogin,       signIn,         loginWidth, Login,           SignUp | OneTimePassword | ForgotPassword | NewPassword,      keepFocus},
    {SignInFromSignUp,  signIn,         loginWidth, Login,           SignUp | OneTimePassword | ForgotPassword,                    keepFocus},
    {SignUpFromLogin,   signUp,         unchanged,  SignUp,          Login | OneTimePassword | ForgotPassword,                     keepFocus},
    {ForgotFromLogin,   forgotPassword, forgotWidth, ForgotPassword, SignUp | Login | OneTimePassword,                             ForgotPassword},
    {CancelForgot,      signIn,         loginWidth, Login,           SignUp | OneTimePassword | ForgotPassword,                    keepFocus},
    {CodeSentForSignUp, sameCaption,    otpWidth,   OneTimePassword, {},                                                           keepFocus},
    {CodeSentForReset,  sameCaption,    otpWidth,   OneTimePassword, SignUp | Login | ForgotPassword,                             keepFocus},
    {ResetCodeAccepted, sameCaption,    unchanged,  NewPassword,     SignUp | Login | OneTimePassword | ForgotPassword,            NewPassword},
    {AccountCreated,    signIn,         loginWidth, Login,           SignUp | OneTimePassword | ForgotPassword,                    Login},
    {PasswordChanged,   signIn,         loginWidth, Login,           SignUp | OneTimePassword | ForgotPassword | NewPassword,      keepFocus},
    // clang-format on
}};

constexpr bool inTransitionOrder()
{
    for (std::size_t i = 0; i < changes.size(); ++i)
        if (changes[i].transition != Transition(i))
            return false;
    return true;
}
static_assert(inTransitionOrder(), "one row per Transition, in its order");
static_assert(changes.size() == std::size_t(PasswordChanged) + 1, "a row for every Transition");

} // namespace

const ScreenChange &screenChange(Transition transition)
{
    return changes[std::size_t(transition)];
}
