#include <QtTest>

#include "TemporaryRegistry.h"
#include "platform/ModRegValue.h"
#include "platform/Registry.h"

namespace
{
const QString testKey = QStringLiteral("Software\\VelmoTest\\Values");
}

class tst_ModRegValue : public QObject
{
    Q_OBJECT

private:
    std::optional<TemporaryRegistry> registry;

private slots:
    void init() { registry.emplace(); }

    // A value written under a name (none: nothing written), then read as "Value".
    void writtenValueReadsBack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("written");
        QTest::addColumn<QVariant>("expected");
        const auto row = [](const char *tag, const QVariant &written, const QVariant &expected,
                            const char *name = "Value") {
            QTest::newRow(tag) << QString(name) << written << expected;
        };
        row("text stays text", "2688", "2688");
        row("number", 2688, qint32(2688));
        row("negative number", -1, qint32(-1));
        row("high bit set", 0xFFFFFFFFu, qint32(-1));
        row("wider number keeps its low 32 bits", qint64(0x100002A80), qint32(10880));
        row("boolean as number", true, qint32(1));
        row("empty text", QString(), QString());
        row("missing key reads as empty", QVariant(), QVariant(), nullptr);
        row("missing value in an existing key reads as zero", 5, qint32(0), "Other");
    }
    void writtenValueReadsBack()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, written);
        QFETCH(QVariant, expected);
        if (!name.isNull())
            QVERIFY(WriteRegValue(RegistryRoot::CurrentUser, testKey, name, written));
        const QVariant read = ReadRegValue(RegistryRoot::CurrentUser, testKey, "Value");
        QCOMPARE(read.typeId(), expected.typeId());
        QCOMPARE(read, expected);
    }

    void textIsReadThroughA255CharacterBuffer_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("255 characters") << QString(255, u'a') << QString(255, u'a');
        QTest::newRow("longer text is cut")
            << QString(255, u'b') + QStringLiteral("tail") << QString(255, u'b');
        QTest::newRow("cut at the first NUL")
            << QStringLiteral("before") + QChar(u'\0') + QStringLiteral("after")
            << QStringLiteral("before");
        QTest::newRow("NUL beyond the buffer")
            << QString(260, u'c') + QChar(u'\0') << QString(255, u'c');
    }
    void textIsReadThroughA255CharacterBuffer()
    {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        QVERIFY(WriteRegValue(RegistryRoot::CurrentUser, testKey, "Text", stored));
        QCOMPARE(ReadRegValue(RegistryRoot::CurrentUser, testKey, "Text"), QVariant(expected));
    }

    void writeCreatesTheKeyAndIsSeenByTheRegistry()
    {
        QVERIFY(WriteRegValue(RegistryRoot::CurrentUser, testKey + "\\New\\Deeper", "n", 42));
        QCOMPARE(Registry(RegistryRoot::CurrentUser, testKey + "\\New\\Deeper").value("n"),
                 QVariant(quint32(42)));
    }

    void unwritableFileReportsFailure()
    {
        qputenv("VELMO_REGISTRY_FILE", "/proc/velmo-cannot-write/registry.json");
        QVERIFY(!WriteRegValue(RegistryRoot::CurrentUser, testKey, "Value", 1));
    }
};

QTEST_GUILESS_MAIN(tst_ModRegValue)
#include "tst_ModRegValue.moc"
