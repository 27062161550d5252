#include <QProcess>
#include <QtTest>

#include "TemporaryRegistry.h"
#include "platform/Registry.h"

namespace
{

const QString testKey = QStringLiteral("Software\\VelmoTest\\Settings");
constexpr int valuesPerWriter = 150;

// Child mode: writes valuesPerWriter numbers named "<prefix><n>", each through its own
// Registry object, the way separate programs would.
int writeValues(const QString &prefix)
{
    for (int n = 0; n < valuesPerWriter; ++n) {
        Registry key(RegistryRoot::CurrentUser, testKey);
        if (!key.setNumber(prefix + QString::number(n), quint32(n)))
            return 1;
    }
    return 0;
}

} // namespace

class tst_Registry : public QObject
{
    Q_OBJECT

private:
    std::optional<TemporaryRegistry> registry;

    static QVariant readBack(const QString &subKey, const QString &name)
    {
        return Registry(RegistryRoot::CurrentUser, subKey).value(name);
    }

private slots:
    void init() { registry.emplace(); }

    void valueReadsBackWithItsType_data()
    {
        QTest::addColumn<QVariant>("written");
        QTest::newRow("text of digits") << QVariant(QStringLiteral("2688"));
        QTest::newRow("number") << QVariant(quint32(2688));
        QTest::newRow("empty text") << QVariant(QString());
        QTest::newRow("zero") << QVariant(quint32(0));
        QTest::newRow("largest number") << QVariant(quint32(0xFFFFFFFF));
        QTest::newRow("text beyond Latin-1") << QVariant(QStringLiteral("Ünïcødé ₹ 税"));
    }
    void valueReadsBackWithItsType()
    {
        QFETCH(QVariant, written);
        {
            Registry key(RegistryRoot::CurrentUser, testKey);
            QVERIFY(written.typeId() == QMetaType::QString
                        ? key.setText("Value", written.toString())
                        : key.setNumber("Value", written.toUInt()));
        }
        const QVariant read = readBack(testKey, "Value");
        QCOMPARE(read.typeId(), written.typeId());
        QCOMPARE(read, written);
    }

    void backslashAndSlashPathsNameTheSameKey()
    {
        QVERIFY(Registry(RegistryRoot::CurrentUser, "Software\\VelmoTest\\A").setText("v", "x"));
        QCOMPARE(readBack("Software/VelmoTest/A", "v"), QVariant("x"));
    }

    void rootsAreSeparate()
    {
        QVERIFY(Registry(RegistryRoot::CurrentUser, testKey).setNumber("v", 1));
        QVERIFY(!Registry(RegistryRoot::LocalMachine, testKey).exists());
        QVERIFY(!Registry(RegistryRoot::LocalMachine, testKey).value("v").isValid());
    }

    void keyExistsWhileItHoldsSomething()
    {
        QVERIFY(!Registry(RegistryRoot::CurrentUser, "Software\\VelmoTest").exists());
        QVERIFY(Registry(RegistryRoot::CurrentUser, testKey).setNumber("v", 7));
        QVERIFY(Registry(RegistryRoot::CurrentUser, testKey).exists());
        QVERIFY(Registry(RegistryRoot::CurrentUser, "Software\\VelmoTest").exists());
        QVERIFY(!readBack(testKey, "missing").isValid());
    }

    void defaultValueIsApartFromNamedValues()
    {
        Registry key(RegistryRoot::CurrentUser, testKey);
        QVERIFY(key.setText(QString(), "default"));
        QVERIFY(key.setText("named", "other"));
        QCOMPARE(readBack(testKey, QString()), QVariant("default"));
        QCOMPARE(readBack(testKey, "named"), QVariant("other"));
    }

    void valueNamesWithSeparatorsAreRefused()
    {
        Registry key(RegistryRoot::CurrentUser, testKey);
        QVERIFY(!key.setNumber("a/b", 1));
        QVERIFY(!key.setNumber("a\\b", 1));
        QVERIFY(!Registry(RegistryRoot::CurrentUser, testKey + "\\a").exists());
    }

    void removeTakesTheWholeKeyAndLeavesSiblings()
    {
        QVERIFY(Registry(RegistryRoot::CurrentUser, testKey).setNumber("v", 1));
        QVERIFY(Registry(RegistryRoot::CurrentUser, testKey + "\\Sub").setText("w", "x"));
        QVERIFY(
            Registry(RegistryRoot::CurrentUser, "Software\\VelmoTest\\Sibling").setNumber("s", 2));
        QVERIFY(Registry(RegistryRoot::CurrentUser, testKey).remove());
        QVERIFY(!Registry(RegistryRoot::CurrentUser, testKey).exists());
        QVERIFY(!Registry(RegistryRoot::CurrentUser, testKey + "\\Sub").exists());
        QCOMPARE(readBack("Software\\VelmoTest\\Sibling", "s"), QVariant(quint32(2)));
    }

    void unreadableFileIsNeitherReadNorOverwritten()
    {
        const QByteArray garbage = "this is { not a registry file";
        {
            QFile file(Registry::filePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(garbage);
        }
        QVERIFY(!Registry(RegistryRoot::CurrentUser, testKey).exists());
        QVERIFY(!Registry(RegistryRoot::CurrentUser, testKey).setNumber("v", 1));
        QFile file(Registry::filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), garbage);
    }

    void perUserFileIsUsedWithoutTheVariable()
    {
        qunsetenv("VELMO_REGISTRY_FILE");
        QVERIFY(Registry::filePath().startsWith(
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
    }

    void twoProcessesWritingAtOnceLoseNothing()
    {
        QProcess first;
        QProcess second;
        first.start(QCoreApplication::applicationFilePath(), {"--write-values", "first"});
        second.start(QCoreApplication::applicationFilePath(), {"--write-values", "second"});
        QVERIFY(first.waitForFinished(120000));
        QVERIFY(second.waitForFinished(120000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);
        Registry key(RegistryRoot::CurrentUser, testKey);
        for (const QString prefix : {"first", "second"}) {
            for (int n = 0; n < valuesPerWriter; ++n)
                QCOMPARE(key.value(prefix + QString::number(n)), QVariant(quint32(n)));
        }
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--write-values") == 0)
        return writeValues(QString::fromLocal8Bit(argv[2]));
    tst_Registry test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_Registry.moc"
