#include "signin/SignUpPanel.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "controls/input/TextOrv.h"
#include "platform/Twips.h"
#include "service/DeploymentConfig.h"
#include "signin/BrandStrip.h"
#include "signin/LabelClick.h"
#include "signin/PanelWidgets.h"
#include "signin/PasswordRulesBox.h"
#include "signin/SignInTheme.h"

using namespace PanelWidgets;

namespace
{

// The pages the two links open, each on the site the deployment configures for it.
const QString signUpHelpPath = QStringLiteral("/portal/en/kb/articles/sign-up-help");
const QString termsPath = QStringLiteral("/TandC_OrvSoftware.pdf");

void openPage(const QString &siteUrl, const QString &path)
{
    QDesktopServices::openUrl(QUrl(siteUrl).resolved(QUrl(path)));
}

// A caption above its input, as one cell of the form grid.
QVBoxLayout *field(QLabel *caption, QWidget *input, QWidget *extra = nullptr)
{
    pairLabel(caption, input);
    auto *cell = new QVBoxLayout;
    cell->setSpacing(3);
    cell->addWidget(caption);
    if (!extra) {
        cell->addWidget(input);
        return cell;
    }
    auto *row = new QHBoxLayout;
    row->setSpacing(2);
    row->addWidget(input, 1);
    row->addWidget(extra);
    cell->addLayout(row);
    return cell;
}

} // namespace

SignUpPanel::SignUpPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame1"));
    setAutoFillBackground(true);
    setMouseTracking(true);

    brand = new BrandStrip(QStringLiteral("Picture2"), this);
    brand->setFixedWidth(Twips::toPixels(SignInTheme::brandWidth, *this));
    Label30 = label(this, QStringLiteral("Label30"),
                    tr("Sign-up Now - Hassle Free, Zero Cost, More Secure.!"), LabelRole::Heading);

    // The free-text boxes hold no more than the account table's columns keep, so a new
    // account is never accepted by the service and then refused by the table.
    TxtName = input(this, QStringLiteral("TxtName"), 0, 60, tr("Full Name"));
    TxtFirmName = input(this, QStringLiteral("TxtFirmName"), 0, 60, tr("Organization / Firm Name"));
    TxtMobileNo = input(this, QStringLiteral("TxtMobileNo"), 4, 10, tr("Mobile Number"));
    TxtEmail = input(this, QStringLiteral("TxtEmail"), 0, 100, tr("Email ID"));
    TxtPassword = passwordInput(this, QStringLiteral("TxtPassword"), tr("Password"));
    CmdEye = eyeButton(this, QStringLiteral("CmdEye"), tr("Show or hide the password"));
    TxtConfirmPassword =
        passwordInput(this, QStringLiteral("TxtConfirmPassword"), tr("Confirm Password"));
    txtPinCode = input(this, QStringLiteral("txtPinCode"), 4, 6, tr("Pincode"));

    Opt1 = new QRadioButton(
        tr("I am a Professional (CA, Accountant, Tax Practitioner, GSTP) && Filing Returns for "
           "Clients."),
        this);
    Opt1->setObjectName(QStringLiteral("Opt1"));
    Opt2 = new QRadioButton(
        tr("I am a Business (SME, Corporate, Enterprise) && Filing Return for Business / Group "
           "Business."),
        this);
    Opt2->setObjectName(QStringLiteral("Opt2"));
    // "&&" shows as one "&" in a button caption, where "&" marks the access key.
    for (QRadioButton *option : {Opt1, Opt2})
        option->setAccessibleName(
            QString(option->text()).replace(QStringLiteral("&&"), QStringLiteral("&")));

    ChekAgreeOrNot = checkBox(this, QStringLiteral("ChekAgreeOrNot"), QString());
    ChekAgreeOrNot->setChecked(true);
    ChekAgreeOrNot->setAccessibleName(tr("I agree to the Terms & Conditions"));
    Label29 = label(this, QStringLiteral("Label29"), tr("I agree to the "));
    Label28 = label(this, QStringLiteral("Label28"), tr("Terms && Conditions "), LabelRole::Link);
    // A plain label has no access keys, so the caption's "&&" is written as the "&" it shows.
    Label28->setText(Label28->text().replace(QStringLiteral("&&"), QStringLiteral("&")));

    CmdSubmit = actionButton(this, QStringLiteral("CmdSubmit"), tr("SIGN UP"));
    QLabel *haveAccount = label(this, QStringLiteral("Label25"), tr("Already have an account ?  "));
    CmdSignIn = linkButton(this, QStringLiteral("CmdSignIn"), tr("Sign In"));
    QLabel *needHelp = label(this, QStringLiteral("Label34"), tr("Need Help ? Click"));
    Label27 = label(this, QStringLiteral("Label27"), tr(" here"), LabelRole::Link);

    auto *form = new QGridLayout;
    form->setHorizontalSpacing(24);
    form->setVerticalSpacing(10);
    form->addWidget(Label30, 0, 0, 1, 2);
    form->addLayout(field(label(this, "Label1", tr("Enter Full Name *")), TxtName), 1, 0);
    form->addLayout(
        field(label(this, "Label2", tr("Enter Organization / Firm Name *")), TxtFirmName), 1, 1);
    form->addLayout(field(label(this, "Label3", tr("Enter Mobile Number *")), TxtMobileNo), 2, 0);
    form->addLayout(field(label(this, "Label4", tr("Enter Email ID *")), TxtEmail), 2, 1);
    form->addLayout(field(label(this, "Label5", tr("Enter Password *")), TxtPassword, CmdEye), 3,
                    0);
    form->addLayout(
        field(label(this, "Label6", tr("Enter Confirm Password *")), TxtConfirmPassword), 3, 1);
    form->addLayout(field(label(this, "Label8", tr("Pincode *")), txtPinCode), 4, 0);

    auto *options = new QVBoxLayout;
    options->setSpacing(4);
    options->addWidget(label(this, "Label7", tr("Select Organization / Firm Type *")));
    options->addWidget(Opt1);
    options->addWidget(Opt2);
    form->addLayout(options, 5, 0, 1, 2);

    auto *agree = new QHBoxLayout;
    agree->setSpacing(0);
    agree->addWidget(ChekAgreeOrNot);
    agree->addWidget(Label29);
    agree->addWidget(Label28);
    agree->addStretch();
    form->addLayout(agree, 6, 0, 1, 2);
    form->addWidget(CmdSubmit, 7, 0);

    auto *links = new QHBoxLayout;
    links->setSpacing(0);
    links->addWidget(haveAccount);
    links->addWidget(CmdSignIn);
    links->addStretch();
    links->addWidget(needHelp);
    links->addWidget(Label27);
    form->addLayout(links, 8, 0, 1, 2);
    const int columnWidth = Twips::toPixels(SignInTheme::signUpColumnWidth, *this);
    form->setColumnMinimumWidth(0, columnWidth);
    form->setColumnMinimumWidth(1, columnWidth);

    auto *column = new QVBoxLayout;
    column->setContentsMargins(28, 20, 28, 20);
    column->addLayout(form);
    column->addStretch();

    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(brand);
    outer->addLayout(column, 1);

    Frame9 = new PasswordRulesBox(QStringLiteral("Frame9"), QStringLiteral("Label31"),
                                  QStringLiteral("Label26"), CmdEye, this);
    connectLinks();

    setTabOrder(TxtName, TxtFirmName);
    setTabOrder(TxtFirmName, TxtMobileNo);
    setTabOrder(TxtMobileNo, TxtEmail);
    setTabOrder(TxtEmail, TxtPassword);
    setTabOrder(TxtPassword, TxtConfirmPassword);
    setTabOrder(TxtConfirmPassword, txtPinCode);
    setTabOrder(txtPinCode, Opt1);
    setTabOrder(Opt1, Opt2);
    setTabOrder(Opt2, ChekAgreeOrNot);
    setTabOrder(ChekAgreeOrNot, CmdSubmit);
    setTabOrder(CmdSubmit, CmdSignIn);
}

void SignUpPanel::connectLinks()
{
    LabelClick::attach(Label27,
                       [] { openPage(DeploymentConfig::signUpHelpUrl(), signUpHelpPath); });
    LabelClick::attach(Label28, [] { openPage(DeploymentConfig::termsUrl(), termsPath); });
    LabelClick::attach(Label29,
                       [this] { ChekAgreeOrNot->setChecked(!ChekAgreeOrNot->isChecked()); });
    Label27->installEventFilter(this);
    Label28->installEventFilter(this);
}

bool SignUpPanel::eventFilter(QObject *watched, QEvent *event)
{
    // The hand is the window's pointer: it stays until the pointer is over the panel's
    // own surface again.
    if (event->type() == QEvent::Enter && (watched == Label27 || watched == Label28))
        window()->setCursor(Qt::PointingHandCursor);
    return QFrame::eventFilter(watched, event);
}

void SignUpPanel::mouseMoveEvent(QMouseEvent *event)
{
    window()->unsetCursor();
    QFrame::mouseMoveEvent(event);
}
