#include "signin/OtpPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "controls/input/TextOrv.h"
#include "signin/PanelWidgets.h"
#include "signin/SignInTheme.h"

using namespace PanelWidgets;

OtpPanel::OtpPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame6"));
    setAutoFillBackground(true);

    Label17 = label(this, QStringLiteral("Label17"), tr("Verify your Mobile Number"),
                    LabelRole::Heading);
    QLabel *sent = label(this, QStringLiteral("Label20"),
                         tr("An OTP (Valid for next 15 mins) has been sent to you on your Mobile "
                            "Number"),
                         LabelRole::Body);
    LblMobileNp = label(this, QStringLiteral("LblMobileNp"), QString(), LabelRole::Body);
    QFont bold = LblMobileNp->font();
    bold.setBold(true);
    LblMobileNp->setFont(bold);
    txtOTP = input(this, QStringLiteral("txtOTP"), 4, 6, tr("One-time password"));
    Command4 = actionButton(this, QStringLiteral("Command4"), tr("VERIFY OTP"));
    Command3 = linkButton(this, QStringLiteral("Command3"), tr("Resend  OTP"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    auto *form = new QVBoxLayout;
    form->setSpacing(8);
    form->addWidget(Label17);
    form->addWidget(sent);
    form->addWidget(LblMobileNp);
    form->addSpacing(12);
    form->addWidget(txtOTP);
    form->addSpacing(8);
    form->addWidget(Command4);
    form->addWidget(Command3, 0, Qt::AlignRight);
    placeColumn(this, form, SignInTheme::codeFormLeft);

    setTabOrder(txtOTP, Command4);
    setTabOrder(Command4, Command3);
}
