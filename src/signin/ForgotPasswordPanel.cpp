#include "signin/ForgotPasswordPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/input/TextOrv.h"
#include "signin/PanelWidgets.h"
#include "signin/SignInTheme.h"

using namespace PanelWidgets;

ForgotPasswordPanel::ForgotPasswordPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame7"));
    setAutoFillBackground(true);

    Label19 = label(this, QStringLiteral("Label19"), tr("Forgot Password"), LabelRole::Heading);
    QLabel *explain = label(this, QStringLiteral("Label22"),
                            tr("Please enter your registered Mobile number in which you will be "
                               "sent an OTP to verify yourself"),
                            LabelRole::Body);
    QLabel *caption = label(this, QStringLiteral("Label23"), tr("Enter Mobile Number"));
    Text1 = input(this, QStringLiteral("Text1"), 4, 10, tr("Mobile Number"));
    pairLabel(caption, Text1->Text1());
    Command5 = actionButton(this, QStringLiteral("Command5"), tr("SEND"));
    Command6 = linkButton(this, QStringLiteral("Command6"), tr("CANCEL"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command5, 1);
    buttons->addWidget(Command6);
    auto *form = new QVBoxLayout;
    form->setSpacing(8);
    form->addWidget(Label19);
    form->addWidget(explain);
    form->addSpacing(12);
    form->addWidget(caption);
    form->addWidget(Text1);
    form->addSpacing(8);
    form->addLayout(buttons);
    placeColumn(this, form, SignInTheme::forgotFormLeft);

    setTabOrder(Text1, Command5);
    setTabOrder(Command5, Command6);
}
