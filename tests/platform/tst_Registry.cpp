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

    static Registry user(const QString &subKey) { return {RegistryRoot::CurrentUser, subKey}; }
    static QVariant readBack(const QString &subKey, const QString &name)
    {
        return user(subKey).value(name);
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
            Registry key = user(testKey);
            QVERIFY(written.typeId() == QMetaType::QString
                        ? key.setText("Value", written.toString())
                        : key.setNumber("Value", written.toUInt()));
        }
        const QVariant read = readBack(testKey, "Value");
        QCOMPARE(read.typeId(), written.typeId());
        QCOMPARE(read, written);
    }

    // A key exists while it or a key below it holds a value, under its own root only;
    // backslashes and slashes in its path are the same.
    void keyIsFoundByItsPathUnderItsRoot()
    {
        QVERIFY(!user("Software\\VelmoTest").exists());
        QVERIFY(user(testKey).setNumber("v", 7));
        QVERIFY(user(testKey).exists());
        QVERIFY(user("Software\\VelmoTest").exists());
        QCOMPARE(readBack("Software/VelmoTest/Settings", "v"), QVariant(quint32(7)));
        QVERIFY(!readBack(testKey, "missing").isValid());
        QVERIFY(!Registry(RegistryRoot::LocalMachine, testKey).exists());
        QVERIFY(!Registry(RegistryRoot::LocalMachine, testKey).value("v").isValid());
    }

    // The default value (no name) is apart from named ones; a name holding a path
    // separator is refused rather than read as a key.
    void valueNames()
    {
        Registry key = user(testKey);
        QVERIFY(key.setText(QString(), "default"));
        QVERIFY(key.setText("named", "other"));
        QVERIFY(!key.setNumber("a/b", 1));
        QVERIFY(!key.setNumber("a\\b", 1));
        QCOMPARE(readBack(testKey, QString()), QVariant("default"));
        QCOMPARE(readBack(testKey, "named"), QVariant("other"));
        QVERIFY(!user(testKey + "\\a").exists());
    }

    void removeTakesTheWholeKeyAndLeavesSiblings()
    {
        QVERIFY(user(testKey).setNumber("v", 1));
        QVERIFY(user(testKey + "\\Sub").setText("w", "x"));
        QVERIFY(user("Software\\VelmoTest\\Sibling").setNumber("s", 2));
        QVERIFY(user(testKey).remove());
        QVERIFY(!user(testKey).exists());
        QVERIFY(!user(testKey + "\\Sub").exists());
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
        QVERIFY(!user(testKey).exists());
        QVERIFY(!user(testKey).setNumber("v", 1));
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
        Registry key = user(testKey);
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
