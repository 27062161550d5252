#include <QtTest>

#include <VelmoITNet22SU/clsVelmoITNet22SU.h>

#include "TemporaryRegistry.h"
#include "TestService.h"
#include "entry/SignInSwitch.h"
#include "platform/ModRegValue.h"

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
        QTest::newRow("number stored as text") << QVariant("160") << QVariant(qint32(2688));
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

    void unwritableRegistryStillFetches()
    {
        qputenv("VELMO_REGISTRY_FILE", "/proc/velmo-cannot-write/registry.json");
        clsVelmoITNet22SU api;
        QVERIFY(!api.EnableSignUP());
    }

    // A setting stored as text must read as a number; otherwise the switch is off and
    // the setting is left alone.
    void statusFileSwitchesSignInOnOrOff_data()
    {
        QTest::addColumn<QString>("served");
        QTest::addColumn<QVariant>("setting");
        QTest::addColumn<bool>("isOn");
        QTest::addColumn<QVariant>("after");
        const QVariant missing;
        const QVariant raised(qint32(2688));
        // How the text reads is statusTextReadsAsTheSwitch's part; these rows check what
        // the fetch hands it.
        QTest::newRow("blank, 1, line break") << " 1\n" << missing << true << raised;
        QTest::newRow("0") << "0" << missing << false << raised;
        QTest::newRow("empty file") << "" << missing << false << raised;
        QTest::newRow("1 and 0 on two lines") << "1\n0\n" << missing << false << raised;
        QTest::newRow("setting 2688 as text is not rewritten")
            << "1" << QVariant("2688") << true << QVariant("2688");
        QTest::newRow("setting is a word")
            << "1" << QVariant("strong") << false << QVariant("strong");
        QTest::newRow("setting has a fraction")
            << "1" << QVariant("2688.5") << false << QVariant("2688.5");
    }
    void statusFileSwitchesSignInOnOrOff()
    {
        QFETCH(QString, served);
        QFETCH(QVariant, setting);
        QFETCH(bool, isOn);
        QFETCH(QVariant, after);
        if (setting.isValid())
            QVERIFY(WriteRegValue(RegistryRoot::CurrentUser, internetSettings, "SecureProtocols",
                                  setting));
        TestService service;
        QVERIFY(service.isRunning());
        QVERIFY(service.setStatus(served));
        clsVelmoITNet22SU api;
        QCOMPARE(api.EnableSignUP(), isOn);
        QCOMPARE(secureProtocols(), after);
    }

    void statusTextReadsAsTheSwitch_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isOn");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("blanks around") << "  1 " << true;
        QTest::newRow("tab after") << " 1\t" << false;
        QTest::newRow("trailing line break") << "1\r\n" << false;
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
