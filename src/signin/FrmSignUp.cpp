#include "signin/FrmSignUp.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <VelmoITNet22SU/VelmoError.h>

#include "controls/input/TextOrv.h"
#include "controls/input/ValidateOnLeave.h"
#include "platform/Clock.h"
#include "platform/ConnectedState.h"
#include "platform/MachineAddress.h"
#include "platform/Twips.h"
#include "service/ServiceError.h"
#include "signin/BrandStrip.h"
#include "signin/EyePicture.h"
#include "signin/ForgotPasswordPanel.h"
#include "signin/LoginPanel.h"
#include "signin/NewPasswordPanel.h"
#include "signin/OtpPanel.h"
#include "signin/PanelWidgets.h"
#include "signin/PasswordRulesBox.h"
#include "signin/ResendCountdown.h"
#include "signin/ScreenTransitions.h"
#include "signin/SignInChecks.h"
#include "signin/SignInTheme.h"
#include "signin/SignUpPanel.h"
#include "store/AccountRecords.h"
#include "store/AccountTable.h"
#include "store/HostContext.h"
#include "store/ShortDate.h"

namespace
{

constexpr int rememberDays = 30;

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette colours = widget->palette();
    colours.setColor(role, colour);
    widget->setPalette(colours);
}

} // namespace

FrmSignUp::FrmSignUp(QWidget *parent)
    : QDialog(parent), m_messages(this, QStringLiteral("Velmo IT")),
      m_network(new QNetworkAccessManager(this))
{
    setObjectName(QStringLiteral("FrmSignUp"));
    setWindowTitle(tr("Sign Up"));
    setModal(true);
    setColour(this, QPalette::Window, SignInTheme::panelBackground);

    // Stacked bottom to top: the one-time-password panel lies above the sign-up panel.
    m_login = new LoginPanel(this);
    m_forgot = new ForgotPasswordPanel(this);
    m_newPassword = new NewPasswordPanel(this);
    m_signUp = new SignUpPanel(this);
    m_otp = new OtpPanel(this);
    m_login->hide();
    m_forgot->hide();
    m_newPassword->hide();
    m_otp->hide();
    m_countdown = new ResendCountdown(m_otp->Command3, m_otp->Timer1, this);

    connectControls();
    resize(Twips::toPixels(SignInTheme::loginWidth, *this),
           Twips::toPixels(SignInTheme::windowHeight, *this));
}

FrmSignUp::~FrmSignUp() = default;

void FrmSignUp::Menu(const QString &sAppPath, const QString &sAppName)
{
    m_appPath = sAppPath;
    m_messages.setTitle(sAppName);
    runStartup();
    exec();
}

void FrmSignUp::runStartup()
{
    m_values.MachineAddress = machineAddressText().left(17);
    // Not caught: a table that cannot be prepared ends SignUp with the database's error.
    CreateAccountTable();

    m_isOnline = IsInternetConnected();
    if (!m_isOnline) {
        m_messages.information(tr("Internet is not connected..."));
        mdlPublicVar::hostContext().IsSignedIn = false;
        return;
    }

    guarded([this] {
        AccountRecords records(m_values.MachineAddress, mdlPublicVar::hostContext().CON());
        // Each read scans the whole table. A remembered row is one of this machine's rows,
        // so only a machine without one needs its rows counted.
        const QList<RememberedAccount> remembered = records.ReadRememberedAccount();
        if (remembered.isEmpty() && records.CountMachineAccounts() == 0) {
            showScreen(Transition::OpenOnSignUp);
        } else {
            fillRememberedAccount(records, remembered);
            showScreen(Transition::OpenOnLogin);
        }
    });
    m_values.ResetUserId = 0;
    applyColours();
    applyPasswordRules();
    m_login->Label15->setText(tr("Welcome to ") + m_messages.title());
    m_login->brand->setApplicationName(m_messages.title());
    m_signUp->brand->setApplicationName(m_messages.title());
}

void FrmSignUp::fillRememberedAccount(AccountRecords &records,
                                      const QList<RememberedAccount> &remembered)
{
    if (remembered.isEmpty())
        return;
    const RememberedAccount &row = remembered.first();
    m_signUp->TxtMobileNo->letText(row.MobileNo);
    m_login->TxtMobile1->letText(row.MobileNo);
    m_signUp->TxtPassword->letText(row.sPassword);
    m_login->TxtPassword2->letText(row.sPassword);
    m_signUp->TxtPassword->letPasswordChar(QStringLiteral("*"));
    m_login->TxtPassword2->letPasswordChar(QStringLiteral("*"));
    m_login->chkRememberMe->setChecked(true);

    const QDate firstSignIn = ShortDate::parse(row.SignInDate);
    if (firstSignIn.isValid() && firstSignIn.addDays(rememberDays) < Clock::today()) {
        records.DeleteRememberedAccount(row.MobileNo);
        m_login->TxtMobile1->letText(QString());
        m_login->TxtPassword2->letText(QString());
        m_login->TxtPassword2->letPasswordChar(QStringLiteral("*"));
        m_login->chkRememberMe->setChecked(false);
    }
}

void FrmSignUp::applyColours()
{
    for (QLabel *label :
         {m_signUp->Label30, m_signUp->Label28, m_login->Label15, m_newPassword->Label24,
          m_otp->Label17, m_forgot->Label19, m_signUp->Label27})
        setColour(label, QPalette::WindowText, SignInTheme::heading);
    for (QPushButton *button : {m_newPassword->Command8, m_signUp->CmdSubmit, m_login->CmdLogin,
                                m_otp->Command4, m_forgot->Command5})
        PanelWidgets::colourActionButton(button, SignInTheme::actionButton);
}

void FrmSignUp::applyPasswordRules()
{
    for (PasswordRulesBox *box : {m_signUp->Frame9, m_newPassword->Frame10}) {
        box->header->setText(PasswordRulesBox::headerText());
        box->rules->setText(PasswordRulesBox::rulesText());
    }
}

void FrmSignUp::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layoutPanels();
}

void FrmSignUp::keyPressEvent(QKeyEvent *event)
{
    // The window has no way out but its own close button: Esc does nothing.
    if (event->matches(QKeySequence::Cancel))
        return;
    QDialog::keyPressEvent(event);
}

void FrmSignUp::layoutPanels()
{
    const auto px = [this](int twips) { return Twips::toPixels(twips, *this); };
    const QRect signUp(px(SignInTheme::panelLeft), px(SignInTheme::panelTop),
                       px(SignInTheme::panelWidth), px(SignInTheme::panelHeight));
    m_signUp->setGeometry(signUp);
    m_login->setGeometry(signUp.x(), signUp.y() + px(300), signUp.width() + px(100),
                         signUp.height() - px(100));
    m_otp->setGeometry(signUp.x(), signUp.y() + px(500), signUp.width() + px(100), signUp.height());
    const QRect otp = m_otp->geometry();
    m_forgot->setGeometry(otp.x(), otp.y() + px(500), otp.width() + px(100), otp.height());
    m_newPassword->setGeometry(signUp.x(), signUp.y() + px(500), signUp.width() + px(100),
                               signUp.height());
}

void FrmSignUp::setWidthTwips(int twips)
{
    resize(Twips::toPixels(twips, *this), height());
}

void FrmSignUp::connectControls()
{
    connect(m_login->CmdLogin, &QPushButton::clicked, this, &FrmSignUp::CmdLogin_Click);
    connect(m_signUp->CmdSignIn, &QPushButton::clicked, this,
            [this] { showScreen(Transition::SignInFromSignUp); });
    connect(m_login->Command2, &QPushButton::clicked, this,
            [this] { showScreen(Transition::SignUpFromLogin); });
    connect(m_login->CmdForgatPassord, &QPushButton::clicked, this,
            [this] { showScreen(Transition::ForgotFromLogin); });
    connect(m_forgot->Command6, &QPushButton::clicked, this,
            [this] { showScreen(Transition::CancelForgot); });
    connect(m_signUp->CmdSubmit, &QPushButton::clicked, this, &FrmSignUp::CmdSubmit_Click);
    connect(m_otp->Command4, &QPushButton::clicked, this, &FrmSignUp::Command4_Click);
    connect(m_forgot->Command5, &QPushButton::clicked, this, &FrmSignUp::Command5_Click);
    connect(m_newPassword->Command8, &QPushButton::clicked, this, &FrmSignUp::Command8_Click);

    ValidateOnLeave::attach(m_signUp->TxtFirmName->Text1(), [this](bool &cancel) {
        SignInChecks::TxtFirmName_Validate(*m_signUp->TxtFirmName, m_messages, cancel);
    });
    ValidateOnLeave::attach(m_signUp->TxtConfirmPassword->Text1(), [this](bool &cancel) {
        SignInChecks::TxtConfirmPassword_Validate(*m_signUp->TxtConfirmPassword, m_messages,
                                                  cancel);
    });

    connect(m_login->Command1, &QToolButton::clicked, this,
            [this] { TogglePasswordView(m_login->Command1, m_login->TxtPassword2); });
    connect(m_signUp->CmdEye, &QToolButton::clicked, this,
            [this] { TogglePasswordView(m_signUp->CmdEye, m_signUp->TxtPassword); });
    connect(m_newPassword->cmdForPasseye, &QToolButton::clicked, this, [this] {
        TogglePasswordView(m_newPassword->cmdForPasseye, m_newPassword->txtForPass);
    });

    for (TextOrv *input :
         {m_login->TxtMobile1, m_signUp->TxtMobileNo, m_signUp->txtPinCode, m_forgot->Text1})
        acceptDigitsOnly(input);
}

void FrmSignUp::acceptDigitsOnly(TextOrv *input)
{
    connect(input, &TextOrv::KeyPress, this, [](short &keyAscii) {
        const bool digit = keyAscii >= '0' && keyAscii <= '9';
        if (!digit && keyAscii != 8)
            keyAscii = 0;
    });
}

void FrmSignUp::TogglePasswordView(QAbstractButton *button, TextOrv *input)
{
    const bool masked = input->PasswordChar().trimmed() == u"*";
    input->letPasswordChar(masked ? QString() : QStringLiteral("*"));
    input->letText(input->Text());
    const QString picture =
        EyePicture::locate(m_appPath, masked ? EyePicture::Clear : EyePicture::Masked);
    if (!picture.isEmpty())
        button->setIcon(QIcon(picture));
}

QWidget *FrmSignUp::panel(Screen screen) const
{
    switch (screen) {
    case Screen::SignUp:
        return m_signUp;
    case Screen::Login:
        return m_login;
    case Screen::OneTimePassword:
        return m_otp;
    case Screen::ForgotPassword:
        return m_forgot;
    case Screen::NewPassword:
        return m_newPassword;
    }
    return nullptr;
}

TextOrv *FrmSignUp::firstInput(Screen screen) const
{
    switch (screen) {
    case Screen::SignUp:
        return m_signUp->TxtName;
    case Screen::Login:
        return m_login->TxtMobile1;
    case Screen::OneTimePassword:
        return m_otp->txtOTP;
    case Screen::ForgotPassword:
        return m_forgot->Text1;
    case Screen::NewPassword:
        return m_newPassword->txtForPass;
    }
    return nullptr;
}

void FrmSignUp::showScreen(Transition transition)
{
    const ScreenChange &change = screenChange(transition);
    if (change.caption)
        setWindowTitle(tr(change.caption));
    if (change.widthTwips != 0)
        setWidthTwips(change.widthTwips);
    constexpr Screen all[] = {Screen::SignUp, Screen::Login, Screen::OneTimePassword,
                              Screen::ForgotPassword, Screen::NewPassword};
    for (Screen screen : all)
        if (change.hide.testFlag(screen))
            panel(screen)->hide();
    // Raised as they show, so the code panel lies above the sign-up panel it covers.
    for (Screen screen : all) {
        if (change.show.testFlag(screen)) {
            panel(screen)->show();
            panel(screen)->raise();
        }
    }
    if (change.focus)
        firstInput(*change.focus)->setFocus();
    // A control of a panel that went out of sight gives up the focus, so that no key
    // reaches a hidden box.
    if (QWidget *focused = focusWidget(); focused && !focused->isVisible())
        focused->clearFocus();
}

void FrmSignUp::guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const ServiceError &error) {
        mdlPublicVar::hostContext().IsSignedIn = false;
        m_messages.critical(error.message());
    } catch (const VelmoError &error) {
        mdlPublicVar::hostContext().IsSignedIn = false;
        m_messages.critical(tr("The account database could not be used:\n%1").arg(error.message()));
    }
}
