#pragma once

#include <QObject>

class QAbstractButton;
class QTimer;

// The 120-second wait before another one-time password may be asked for. While it
// runs the resend button is disabled and counts down once a second; at the end it
// reads "Resend OTP" and is enabled again.
class ResendCountdown : public QObject
{
    Q_OBJECT

public:
    static constexpr qint16 fullCount = 120;

    // Drives button and timer; their signals are connected here.
    ResendCountdown(QAbstractButton *button, QTimer *timer, QObject *parent = nullptr);

    // A code has just been sent.
    void startAfterSend();
    // The user asked again with the resend button.
    void restartByClick();
    // The account was created: no further code is needed.
    void stop();
    // One second has passed.
    void tick();

    qint16 OtpSecondsLeft() const { return m_secondsLeft; }

private:
    void start(const QString &caption);

    QAbstractButton *m_button;
    QTimer *m_timer;
    qint16 m_secondsLeft = fullCount;
};
