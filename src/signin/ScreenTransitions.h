#pragma once

#include <QFlags>

#include <optional>

// The five panels of the sign-in window, as flags so that one move can name several.
enum class Screen : unsigned {
    SignUp = 0x01,          // Frame1
    Login = 0x02,           // Frame5
    OneTimePassword = 0x04, // Frame6
    ForgotPassword = 0x08,  // Frame7
    NewPassword = 0x10,     // Frame8
};
Q_DECLARE_FLAGS(Screens, Screen)
Q_DECLARE_OPERATORS_FOR_FLAGS(Screens)

// Every move between the panels, the two first screens of the start-up included. A
// successful login and the user's close unload the window instead, so they have none.
enum class Transition {
    OpenOnSignUp,      // start-up, no account of this machine yet
    OpenOnLogin,       // start-up, the machine has accounts
    SignInFromSignUp,  // CmdSignIn
    SignUpFromLogin,   // Command2
    ForgotFromLogin,   // CmdForgatPassord
    CancelForgot,      // Command6
    CodeSentForSignUp, // CmdSubmit, the code was sent
    CodeSentForReset,  // Command5, the code was sent
    ResetCodeAccepted, // Command4 in reset mode
    AccountCreated,    // Command4 in sign-up mode, the account was created
    PasswordChanged,   // Command8, the service took the new password
};

// What one move does to the window. Panels in neither show nor hide keep their state:
// the code panel of a sign-up lies over the sign-up panel, which stays visible.
struct ScreenChange {
    Transition transition;
    const char *caption; // the window's new caption; nullptr keeps it
    int widthTwips;      // the window's new width; 0 keeps it
    Screens show;
    Screens hide;
    std::optional<Screen> focus; // the panel whose first input takes the focus
};

const ScreenChange &screenChange(Transition transition);
