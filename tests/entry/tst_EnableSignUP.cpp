#include <QtTest>

#include <VelmoITNet22SU/clsVelmoITNet22SU.h>

#include "TemporaryRegistry.h"
#include "TestService.h"
#include "entry/ModRegValue.h"
#include "entry/SignInSwitch.h"

namespace
{
const QString internetSettings =
    QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings");
}

class tst_EnableSignUP : public QObject
{
    Q_OBJECT

private:
    std::optional<TemporaryRegistry> registry;

    static QVariant secureProtocols()
    {
        return ReadRegValue(RegistryRoot::CurrentUser, internetSettings, "SecureProtocols");
    }

private slots:
    void init()
    {
        registry.emplace();
        // Nothing listens there: the fetch fails at once and the switch reads off.
        qputenv("VELMO_STATUS_URL", "https://127.0.0.1:1/auth/desktop-status.txt");
    }

    void secureProtocolsIsRaised_data()
    {
        QTest::addColumn<QVariant>("before");
        QTest::addColumn<QVariant>("after");
        QTest::newRow("missing") << QVariant() << QVariant(qint32(2688));
        QTest::newRow("SSL 3.0 and TLS 1.0") << QVariant(160) << QVariant(qint32(2688));
        QTest::newRow("zero") << QVariant(0) << QVariant(qint32(2688));
        QTest::newRow("SSL 2.0 to TLS 1.2") << QVariant(2728) << QVariant(qint32(10880));
        QTest::newRow("TLS 1.0 to 1.3") << QVariant(10880) << QVariant(qint32(10880));
        QTest::newRow("TLS 1.3 only") << QVariant(0x2000) << QVariant(qint32(10880));
        QTest::newRow("TLS 1.0 to 1.2 stays") << QVariant(2688) << QVariant(qint32(2688));
        QTest::newRow("high bit reads as negative")
            << QVariant(0x80000A80u) << QVariant(qint32(2688));
        QTest::newRow("text that is no number") << QVariant("strong") << QVariant(qint32(2688));
    }
    void secureProtocolsIsRaised()
    {
        QFETCH(QVariant, before);
        QFETCH(QVariant, after);
        if (before.isValid())
            QVERIFY(WriteRegValue(RegistryRoot::CurrentUser, internetSettings, "SecureProtocols",
                                  before));
        clsVelmoITNet22SU api;
        QVERIFY(!api.EnableSignUP());
        QCOMPARE(secureProtocols(), after);
    }

    void exactSettingIsNotRewritten()
    {
        // Stored as text it still reads as 2688, so nothing is written and the type stays.
        QVERIFY(WriteRegValue(RegistryRoot::CurrentUser, internetSettings, "SecureProtocols",
                              QStringLiteral("2688")));
        clsVelmoITNet22SU api;
        api.EnableSignUP();
        QCOMPARE(secureProtocols(), QVariant(QStringLiteral("2688")));
    }

    void unwritableRegistryStillFetches()
    {
        qputenv("VELMO_REGISTRY_FILE", "/proc/velmo-cannot-write/registry.json");
        clsVelmoITNet22SU api;
        QVERIFY(!api.EnableSignUP());
    }

    void statusFileSwitchesSignInOnOrOff_data()
    {
        QTest::addColumn<QString>("served");
        QTest::addColumn<bool>("isOn");
        QTest::newRow("blank, 1, line break") << " 1\n" << true;
        QTest::newRow("01") << "01" << true;
        QTest::newRow("1.0") << "1.0" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("word") << "on" << false;
        QTest::newRow("empty file") << "" << false;
        QTest::newRow("1 and 0 on two lines") << "1\n0\n" << false;
    }
    void statusFileSwitchesSignInOnOrOff()
    {
        QFETCH(QString, served);
        QFETCH(bool, isOn);
        TestService service;
        QVERIFY(service.isRunning());
        QVERIFY(service.setStatus(served));
        clsVelmoITNet22SU api;
        QCOMPARE(api.EnableSignUP(), isOn);
        QCOMPARE(secureProtocols(), QVariant(qint32(2688)));
    }

    void statusTextReadsAsTheSwitch_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isOn");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("blanks around") << " 1\t " << true;
        QTest::newRow("trailing line break") << "1\r\n" << true;
        QTest::newRow("leading zero") << "01" << true;
        QTest::newRow("decimal") << "1.0" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("2") << "2" << false;
        QTest::newRow("-1") << "-1" << false;
        QTest::newRow("0.5") << "0.5" << false;
        QTest::newRow("word") << "enabled" << false;
        QTest::newRow("number then word") << "1 yes" << false;
        QTest::newRow("1 and 0 joined") << "10" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << "   " << false;
    }
    void statusTextReadsAsTheSwitch()
    {
        QFETCH(QString, text);
        QFETCH(bool, isOn);
        QCOMPARE(signInSwitchIsOn(text), isOn);
    }
};

QTEST_GUILESS_MAIN(tst_EnableSignUP)
#include "tst_EnableSignUP.moc"
