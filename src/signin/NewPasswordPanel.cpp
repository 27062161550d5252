#include "signin/NewPasswordPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "controls/input/TextOrv.h"
#include "signin/PanelWidgets.h"
#include "signin/PasswordRulesBox.h"
#include "signin/SignInTheme.h"

using namespace PanelWidgets;

NewPasswordPanel::NewPasswordPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame8"));
    setAutoFillBackground(true);
    setMouseTracking(true);

    Label24 = label(this, QStringLiteral("Label24"), tr("Forgot Password"), LabelRole::Heading);
    QLabel *explain = label(this, QStringLiteral("Label35"), tr("Please enter your new Password"),
                            LabelRole::Body);
    QLabel *passwordCaption = label(this, QStringLiteral("Label36"), tr("Enter Password *"));
    txtForPass = passwordInput(this, QStringLiteral("txtForPass"), tr("New password"));
    cmdForPasseye = eyeButton(this, QStringLiteral("cmdForPasseye"), tr("Show or hide the password"));
    QLabel *confirmCaption = label(this, QStringLiteral("Label37"), tr("Enter Confirm Password *"));
    txtForConPass = passwordInput(this, QStringLiteral("txtForConPass"), tr("Confirm new password"));
    pairLabel(passwordCaption, txtForPass->Text1());
    pairLabel(confirmCaption, txtForConPass->Text1());
    Command8 = actionButton(this, QStringLiteral("Command8"), tr("Update Password"));

    auto *passwordRow = new QHBoxLayout;
    passwordRow->setSpacing(2);
    passwordRow->addWidget(txtForPass, 1);
    passwordRow->addWidget(cmdForPasseye);
    auto *form = new QVBoxLayout;
    form->setSpacing(8);
    form->addWidget(Label24);
    form->addWidget(explain);
    form->addSpacing(12);
    form->addWidget(passwordCaption);
    form->addLayout(passwordRow);
    form->addWidget(confirmCaption);
    form->addWidget(txtForConPass);
    form->addSpacing(8);
    form->addWidget(Command8);
    // The gaps between the controls are the panel's own surface: moving over them
    // reaches the panel as moving over its margins does.
    placeColumn(this, form, SignInTheme::codeFormLeft)->setMouseTracking(true);

    Frame10 = new PasswordRulesBox(QStringLiteral("Frame10"), QStringLiteral("Label32"),
                                   QStringLiteral("Label33"), cmdForPasseye, this);

    setTabOrder(txtForPass, txtForConPass);
    setTabOrder(txtForConPass, Command8);
}
