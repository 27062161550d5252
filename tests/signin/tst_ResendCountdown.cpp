#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "signin/FrmSignUp.h"
#include "signin/OtpPanel.h"
#include "signin/ResendCountdown.h"

// The resend button of the code panel, driven one tick at a time instead of waiting.
class tst_ResendCountdown : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FrmSignUp> window;
    QPushButton *button() const { return window->Frame6()->Command3; }
    QTimer *timer() const { return window->Frame6()->Timer1; }

private slots:
    void init()
    {
        window = std::make_unique<FrmSignUp>();
        window->show();
    }
    void cleanup() { window.reset(); }

    void designTimeState()
    {
        QCOMPARE(button()->text(), QStringLiteral("Resend  OTP"));
        QCOMPARE(timer()->interval(), 1000);
        QVERIFY(!timer()->isActive());
    }

    void countsDownToAnEnabledButton_data()
    {
        QTest::addColumn<bool>("byClick");
        QTest::addColumn<QString>("firstCaption");
        QTest::newRow("after a code was sent") << false << "Resend OTP 120 Sec";
        QTest::newRow("after the resend button") << true << "Resend OTP 120 sec";
    }
    void countsDownToAnEnabledButton()
    {
        QFETCH(bool, byClick);
        QFETCH(QString, firstCaption);
        ResendCountdown &countdown = *window->countdown();
        if (byClick)
            button()->click();
        else
            countdown.startAfterSend();
        QCOMPARE(button()->text(), firstCaption);
        QVERIFY(!button()->isEnabled());
        QVERIFY(timer()->isActive());
        QCOMPARE(countdown.OtpSecondsLeft(), qint16(120));

        QStringList captions;
        for (int tick = 0; tick < 119; ++tick) {
            countdown.tick();
            captions << button()->text();
            QVERIFY(!button()->isEnabled());
        }
        QStringList expected;
        for (int left = 119; left >= 1; --left)
            expected << QStringLiteral("Resend OTP %1 sec").arg(left);
        QCOMPARE(captions, expected);
        QCOMPARE(countdown.OtpSecondsLeft(), qint16(1));

        countdown.tick();
        QCOMPARE(button()->text(), QStringLiteral("Resend OTP"));
        QVERIFY(button()->isEnabled());
        QVERIFY(!timer()->isActive());
        QCOMPARE(countdown.OtpSecondsLeft(), qint16(120));
    }

    void clickAfterTheEndRestarts()
    {
        ResendCountdown &countdown = *window->countdown();
        countdown.startAfterSend();
        for (int tick = 0; tick < 120; ++tick)
            countdown.tick();
        QTest::mouseClick(button(), Qt::LeftButton);
        QCOMPARE(button()->text(), QStringLiteral("Resend OTP 120 sec"));
        QVERIFY(!button()->isEnabled());
        QVERIFY(timer()->isActive());
        countdown.tick();
        QCOMPARE(button()->text(), QStringLiteral("Resend OTP 119 sec"));
    }

    void timerDrivesTheTicks()
    {
        timer()->setInterval(5);
        window->countdown()->startAfterSend();
        QTRY_COMPARE(button()->text(), QStringLiteral("Resend OTP"));
        QVERIFY(button()->isEnabled());
    }

    void stopLeavesTheIdleCaption()
    {
        ResendCountdown &countdown = *window->countdown();
        countdown.startAfterSend();
        countdown.tick();
        countdown.stop();
        QVERIFY(!timer()->isActive());
        QCOMPARE(button()->text(), QStringLiteral("Resend OTP"));
    }
};

QTEST_MAIN(tst_ResendCountdown)
#include "tst_ResendCountdown.moc"
