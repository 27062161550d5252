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

    // What the switch answers for the status file served (none: nothing listens, so the
    // fetch fails at once), and what it leaves in SecureProtocols. A setting stored as text
    // must read as a number; otherwise the switch is off and the setting is left alone.
    void secureProtocolsIsRaisedAndTheStatusFileRead_data()
    {
        QTest::addColumn<QString>("served");
        QTest::addColumn<QVariant>("setting");
        QTest::addColumn<bool>("isOn");
        QTest::addColumn<QVariant>("after");
        const auto row = [](const char *name, const char *served, const QVariant &setting,
                            bool isOn, const QVariant &after) {
            QTest::newRow(name) << QString(served) << setting << isOn << after;
        };
        const char *none = nullptr;
        const QVariant missing;
        const QVariant raised(qint32(2688));
        const QVariant raisedTo1_3(qint32(10880));
        row("missing", none, missing, false, raised);
        row("SSL 3.0 and TLS 1.0", none, 160, false, raised);
        row("zero", none, 0, false, raised);
        row("SSL 2.0 to TLS 1.2", none, 2728, false, raisedTo1_3);
        row("TLS 1.0 to 1.3", none, 10880, false, raisedTo1_3);
        row("TLS 1.3 only", none, 0x2000, false, raisedTo1_3);
        row("TLS 1.0 to 1.2 stays", none, 2688, false, raised);
        row("high bit reads as negative", none, 0x80000A80u, false, raised);
        row("number stored as text", none, "160", false, raised);
        // How the text reads is statusTextReadsAsTheSwitch's part; these rows check what
        // the fetch hands it.
        row("blank, 1, line break", " 1\n", missing, true, raised);
        row("0", "0", missing, false, raised);
        row("empty file", "", missing, false, raised);
        row("1 and 0 on two lines", "1\n0\n", missing, false, raised);
        row("setting 2688 as text is not rewritten", "1", "2688", true, "2688");
        row("setting is a word", "1", "strong", false, "strong");
        row("setting has a fraction", "1", "2688.5", false, "2688.5");
    }
    void secureProtocolsIsRaisedAndTheStatusFileRead()
    {
        QFETCH(QString, served);
        QFETCH(QVariant, setting);
        if (setting.isValid())
            QVERIFY(WriteRegValue(RegistryRoot::CurrentUser, internetSettings, "SecureProtocols",
                                  setting));
        std::optional<TestService> service;
        if (!served.isNull()) {
            service.emplace();
            QVERIFY(service->setStatus(served));
        }
        QTEST(clsVelmoITNet22SU().EnableSignUP(), "isOn");
        QTEST(secureProtocols(), "after");
    }

    // A setting that cannot be written does not keep the status file from being read.
    void unwritableRegistryStillFetches()
    {
        qputenv("VELMO_REGISTRY_FILE", "/proc/velmo-cannot-write/registry.json");
        TestService service;
        QVERIFY(service.setStatus("1"));
        QVERIFY(clsVelmoITNet22SU().EnableSignUP());
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
