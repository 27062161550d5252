#include "signin/ResendCountdown.h"

#include <QAbstractButton>
#include <QTimer>

namespace
{

const QString idleCaption = QStringLiteral("Resend OTP");

} // namespace

ResendCountdown::ResendCountdown(QAbstractButton *button, QTimer *timer, QObject *parent)
    : QObject(parent), m_button(button), m_timer(timer)
{
    connect(m_timer, &QTimer::timeout, this, &ResendCountdown::tick);
    connect(m_button, &QAbstractButton::clicked, this, &ResendCountdown::restartByClick);
}

void ResendCountdown::startAfterSend()
{
    start(QStringLiteral("Resend OTP 120 Sec"));
}

void ResendCountdown::restartByClick()
{
    start(QStringLiteral("Resend OTP 120 sec"));
}

void ResendCountdown::start(const QString &caption)
{
    m_button->setEnabled(false);
    m_button->setText(caption);
    m_secondsLeft = fullCount;
    m_timer->start();
}

void ResendCountdown::stop()
{
    m_timer->stop();
    m_button->setText(idleCaption);
}

void ResendCountdown::tick()
{
    --m_secondsLeft;
    m_button->setText(QStringLiteral("Resend OTP %1 sec").arg(m_secondsLeft));
    if (m_secondsLeft > 0)
        return;
    m_timer->stop();
    m_button->setEnabled(true);
    m_secondsLeft = fullCount;
    m_button->setText(idleCaption);
}
