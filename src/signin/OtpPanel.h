#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QTimer;
class TextOrv;

// The one-time-password screen, Frame6, shared by sign-up and password reset.
class OtpPanel : public QFrame
{
    Q_OBJECT

public:
    explicit OtpPanel(QWidget *parent = nullptr);

    QLabel *Label17;
    QLabel *LblMobileNp;
    TextOrv *txtOTP;
    QPushButton *Command4;
    QPushButton *Command3;
    QTimer *Timer1;
};
