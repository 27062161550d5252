#pragma once

#include <QString>

// What one account service call asks the window to do once it has returned.
struct CallOutcome {
    enum class Icon { Exclamation, Critical };
    enum class Next {
        Stay,           // failure: the window stays on its screen as it is
        CloseSignedIn,  // login accepted: the window unloads
        ShowOtpPanel,   // a code was sent: one-time-password screen and count-down
        ShowLoginPanel, // account created or password changed: back to "Sign In"
        FocusOtpInput,  // code refused: the focus returns to txtOTP
        OtpAccepted,    // code accepted: the caller goes on
    };

    bool succeeded = false;
    // True when the service answered with a status other than 1.
    bool refused = false;
    // True when a newer call replaced this one while it waited; nothing to show.
    bool superseded = false;
    // The message box to show first; empty when there is none.
    QString message;
    Icon icon = Icon::Exclamation;
    Next next = Next::Stay;
};
