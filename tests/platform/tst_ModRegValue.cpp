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

    void writtenValueReadsBack_data()
    {
        QTest::addColumn<QVariant>("written");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("text stays text") << QVariant("2688") << QVariant("2688");
        QTest::newRow("number") << QVariant(2688) << QVariant(qint32(2688));
        QTest::newRow("negative number") << QVariant(-1) << QVariant(qint32(-1));
        QTest::newRow("high bit set") << QVariant(0xFFFFFFFFu) << QVariant(qint32(-1));
        QTest::newRow("wider number keeps its low 32 bits")
            << QVariant(qint64(0x100002A80)) << QVariant(qint32(10880));
        QTest::newRow("boolean as number") << QVariant(true) << QVariant(qint32(1));
        QTest::newRow("empty text") << QVariant(QString()) << QVariant(QString());
    }
    void writtenValueReadsBack()
    {
        QFETCH(QVariant, written);
        QFETCH(QVariant, expected);
        QVERIFY(WriteRegValue(RegistryRoot::CurrentUser, testKey, "Value", written));
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

    void missingKeyReadsAsEmpty()
    {
        QVERIFY(!ReadRegValue(RegistryRoot::CurrentUser, testKey, "Value").isValid());
    }

    void missingValueInAnExistingKeyReadsAsZero()
    {
        QVERIFY(WriteRegValue(RegistryRoot::CurrentUser, testKey, "Other", 5));
        QCOMPARE(ReadRegValue(RegistryRoot::CurrentUser, testKey, "Value"), QVariant(qint32(0)));
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
