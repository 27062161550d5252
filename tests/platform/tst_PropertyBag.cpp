#include <QtTest>

#include "platform/PropertyBag.h"

class tst_PropertyBag : public QObject
{
    Q_OBJECT

private slots:
    void keysMatchWithoutCase()
    {
        PropertyBag bag;
        bag.WriteProperty("TLimit", "0:100");
        QCOMPARE(bag.ReadProperty("tlimit", QString()).toString(), QString("0:100"));
        bag.WriteProperty("TLIMIT", "1:2");
        QCOMPARE(bag.keys(), QStringList{"TLimit"});
        QCOMPARE(bag.ReadProperty("TLimit", QString()).toString(), QString("1:2"));
    }

    void defaultIsNotWritten()
    {
        PropertyBag bag;
        bag.WriteProperty("Style", 0, 0);
        QVERIFY(bag.isEmpty());
        bag.WriteProperty("Style", 1, 0);
        QCOMPARE(bag.ReadProperty("Style", 0).toInt(), 1);
        bag.WriteProperty("style", 0, 0);
        QVERIFY(!bag.contains("Style"));
    }

    // stored: none when the key was never written.
    void valueTakesTheTypeOfTheDefault_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QVariant>("defaultValue");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("float from a JSON number")
            << QVariant(8.25) << QVariant(8.0f) << QVariant(8.25f);
        QTest::newRow("short from a JSON number")
            << QVariant(1.0) << QVariant(short(0)) << QVariant(short(1));
        QTest::newRow("text that is no number keeps the default")
            << QVariant("wide") << QVariant(0) << QVariant(0);
        QTest::newRow("missing text") << QVariant() << QVariant("Arial") << QVariant("Arial");
        QTest::newRow("missing boolean") << QVariant() << QVariant(true) << QVariant(true);
    }
    void valueTakesTheTypeOfTheDefault()
    {
        QFETCH(QVariant, stored);
        QFETCH(QVariant, defaultValue);
        QFETCH(QVariant, expected);
        PropertyBag bag;
        if (stored.isValid())
            bag.WriteProperty("Key", stored);
        const QVariant read = bag.ReadProperty("Key", defaultValue);
        QCOMPARE(read.metaType(), expected.metaType());
        QCOMPARE(read, expected);
    }

    void jsonRoundTripKeepsOrderAndValues()
    {
        PropertyBag bag;
        bag.WriteProperty("Text", "O'Brien");
        bag.WriteProperty("Enabled", false);
        bag.WriteProperty("TTYPE", 4);
        bag.WriteProperty("FontSize", 8.25f);
        bag.WriteProperty("Alignment", short(1));
        PropertyBag loaded;
        QString error;
        QVERIFY2(loaded.loadJson(bag.toJson(), &error), qPrintable(error));
        QCOMPARE(loaded.keys(), (QStringList{"Text", "Enabled", "TTYPE", "FontSize", "Alignment"}));
        QCOMPARE(loaded.ReadProperty("Text", QString()).toString(), QString("O'Brien"));
        QCOMPARE(loaded.ReadProperty("Enabled", true).toBool(), false);
        QCOMPARE(loaded.ReadProperty("TTYPE", 0).toInt(), 4);
        QCOMPARE(loaded.ReadProperty("FontSize", 8.0f).toFloat(), 8.25f);
        QCOMPARE(loaded.ReadProperty("Alignment", short(0)).value<short>(), short(1));
    }

    void badJsonIsRefusedWithAMessage_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("messageStart");
        QTest::newRow("not JSON") << QByteArray("[[\"Text\", ")
                                  << "The saved properties are not valid JSON";
        QTest::newRow("object") << QByteArray("{\"Text\": \"a\"}")
                                << "The saved properties are not a list";
        QTest::newRow("pair too short")
            << QByteArray("[[\"Text\"]]") << "Saved property 1 is not a pair";
        QTest::newRow("key not text") << QByteArray("[[1, 2]]") << "Saved property 1 is not a pair";
        QTest::newRow("nested value")
            << QByteArray("[[\"a\", 1], [\"b\", [1]]]") << "Saved property 2 is not a pair";
    }
    void badJsonIsRefusedWithAMessage()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, messageStart);
        PropertyBag bag;
        bag.WriteProperty("Style", 1);
        QString error;
        QVERIFY(!bag.loadJson(json, &error));
        QVERIFY2(error.startsWith(messageStart), qPrintable(error));
        QCOMPARE(bag.keys(), QStringList{"Style"});
    }
};

QTEST_APPLESS_MAIN(tst_PropertyBag)
#include "tst_PropertyBag.moc"
