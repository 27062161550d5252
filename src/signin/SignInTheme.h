#pragma once

#include <QColor>

// Sizes (twips, 15 to a pixel at 96 dpi) and colours of the sign-in window, kept in
// one place so the panels and the layout pass agree.
namespace SignInTheme {

// The sign-up panel's area; every other panel is placed relative to it.
constexpr int panelLeft = 0;
constexpr int panelTop = 0;
constexpr int panelWidth = 14880;
constexpr int panelHeight = 9300;

constexpr int loginWidth = 15000;
constexpr int forgotWidth = 11500;
constexpr int otpWidth = 12375;
constexpr int windowHeight = 9900;

// The branded strip at the left of the login and sign-up panels.
constexpr int brandWidth = 4200;

// The forms inside the panels.
constexpr int loginFormWidth = 5400;
constexpr int signUpColumnWidth = 4500; // each of the sign-up form's two columns
constexpr int narrowFormWidth = 6300;   // the code, forgot- and new-password forms
constexpr int narrowFormTop = 600;
constexpr int forgotFormLeft = 2550;
constexpr int codeFormLeft = 3000; // also the new-password form
constexpr int inputHeight = 420;
constexpr int actionButtonHeight = 510;

inline const QColor heading{49, 113, 155};
inline const QColor actionButton{252, 125, 114};
inline const QColor actionButtonText{255, 255, 255};
inline const QColor rulesBackground{255, 255, 192};
inline const QColor brandTop{36, 84, 122};
inline const QColor brandBottom{49, 113, 155};
inline const QColor panelBackground{255, 255, 255};
inline const QColor hint{96, 96, 96};

constexpr double headingPointSize = 15;
constexpr double captionPointSize = 9;
constexpr double bodyPointSize = 9.5;

} // namespace SignInTheme
