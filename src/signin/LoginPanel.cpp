#include "signin/LoginPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "controls/input/TextOrv.h"
#include "platform/Twips.h"
#include "signin/BrandStrip.h"
#include "signin/PanelWidgets.h"
#include "signin/SignInTheme.h"

using namespace PanelWidgets;

LoginPanel::LoginPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame5"));
    setAutoFillBackground(true);

    brand = new BrandStrip(QStringLiteral("Picture1"), this);
    brand->setFixedWidth(Twips::toPixels(SignInTheme::brandWidth, *this));

    Label15 = label(this, QStringLiteral("Label15"), tr("Welcome to Velmo IT"), LabelRole::Heading);
    QLabel *intro = label(this, QStringLiteral("Label16"), tr("Login with your Mobile Number"),
                          LabelRole::Body);
    QLabel *mobileCaption = label(this, QStringLiteral("Label13"), tr("Enter Mobile Number *"));
    TxtMobile1 = input(this, QStringLiteral("TxtMobile1"), 4, 10, tr("Mobile Number"));
    QLabel *passwordCaption = label(this, QStringLiteral("Label14"), tr("Enter Password *"));
    TxtPassword2 = passwordInput(this, QStringLiteral("TxtPassword2"), tr("Password"));
    Command1 = eyeButton(this, QStringLiteral("Command1"), tr("Show or hide the password"));
    chkRememberMe = checkBox(this, QStringLiteral("chkRememberMe"), tr("Remember Me"));
    CmdLogin = actionButton(this, QStringLiteral("CmdLogin"), tr("LOGIN"));
    CmdForgatPassord = linkButton(this, QStringLiteral("CmdForgatPassord"), tr("Forgot Password ?"));
    QLabel *noAccount = label(this, QStringLiteral("Label18"), tr("Don't have an Account ?"));
    Command2 = linkButton(this, QStringLiteral("Command2"), tr("Sign Up"));
    pairLabel(mobileCaption, TxtMobile1->Text1());
    pairLabel(passwordCaption, TxtPassword2->Text1());

    auto *form = new QGridLayout;
    form->setVerticalSpacing(6);
    form->addWidget(Label15, 0, 0, 1, 2);
    form->addWidget(intro, 1, 0, 1, 2);
    form->addItem(new QSpacerItem(0, 14), 2, 0);
    form->addWidget(mobileCaption, 3, 0, 1, 2);
    form->addWidget(TxtMobile1, 4, 0);
    form->addWidget(passwordCaption, 5, 0, 1, 2);
    form->addWidget(TxtPassword2, 6, 0);
    form->addWidget(Command1, 6, 1);
    form->addWidget(chkRememberMe, 7, 0);
    form->addItem(new QSpacerItem(0, 10), 8, 0);
    form->addWidget(CmdLogin, 9, 0);
    form->addWidget(CmdForgatPassord, 10, 0, Qt::AlignHCenter);
    auto *signUpRow = new QHBoxLayout;
    signUpRow->addStretch();
    signUpRow->addWidget(noAccount);
    signUpRow->addWidget(Command2);
    signUpRow->addStretch();
    form->addItem(new QSpacerItem(0, 16), 11, 0);
    form->addLayout(signUpRow, 12, 0);
    form->setColumnMinimumWidth(0, Twips::toPixels(SignInTheme::loginFormWidth, *this));

    auto *column = new QVBoxLayout;
    column->addStretch(1);
    column->addLayout(form);
    column->addStretch(2);

    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(brand);
    outer->addStretch(1);
    outer->addLayout(column);
    outer->addStretch(2);

    setTabOrder(TxtMobile1, TxtPassword2);
    setTabOrder(TxtPassword2, chkRememberMe);
    setTabOrder(chkRememberMe, CmdLogin);
    setTabOrder(CmdLogin, CmdForgatPassord);
    setTabOrder(CmdForgatPassord, Command2);
}
