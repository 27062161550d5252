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
        QTest::addColumn<bool>("ranOutBefore");
        QTest::addColumn<bool>("byClick");
        QTest::addColumn<QString>("firstCaption");
        QTest::newRow("after a code was sent") << false << false << "Resend OTP 120 Sec";
        QTest::newRow("after the resend button") << false << true << "Resend OTP 120 sec";
        QTest::newRow("after the resend button, once a count-down ran out")
            << true << true << "Resend OTP 120 sec";
    }
    void countsDownToAnEnabledButton()
    {
        QFETCH(bool, ranOutBefore);
        QFETCH(bool, byClick);
        QFETCH(QString, firstCaption);
        ResendCountdown &countdown = *window->countdown();
        if (ranOutBefore) {
            countdown.startAfterSend();
            for (int tick = 0; tick < 120; ++tick)
                countdown.tick();
        }
        if (byClick)
            QTest::mouseClick(button(), Qt::LeftButton);
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

    void timerDrivesTheTicks()
    {
        timer()->setInterval(5);
        window->countdown()->startAfterSend();
        QTRY_COMPARE(button()->text(), QStringLiteral("Resend OTP"));
        QVERIFY(button()->isEnabled());
    }
};

QTEST_MAIN(tst_ResendCountdown)
#include "tst_ResendCountdown.moc"
