#include <QtTest>

#include "platform/Twips.h"

class tst_Twips : public QObject
{
    Q_OBJECT

private slots:
    void toPixels_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("pixels");
        QTest::newRow("15 twips are a pixel at 96 dpi") << 15 << 96 << 1;
        QTest::newRow("an inch") << 1440 << 96 << 96;
        QTest::newRow("20 twips round down") << 20 << 96 << 1;
        QTest::newRow("30 twips") << 30 << 96 << 2;
        QTest::newRow("double dpi doubles") << 15 << 192 << 2;
        QTest::newRow("150 percent") << 1440 << 144 << 144;
        QTest::newRow("negative") << -30 << 96 << -2;
    }
    void toPixels()
    {
        QFETCH(int, twips);
        QFETCH(int, dpi);
        QFETCH(int, pixels);
        QCOMPARE(Twips::toPixels(twips, dpi), pixels);
    }

    void fromPixels_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("twips");
        QTest::newRow("a pixel at 96 dpi") << 1 << 96 << 15;
        QTest::newRow("100 pixels") << 100 << 96 << 1500;
        QTest::newRow("144 dpi") << 96 << 144 << 960;
    }
    void fromPixels()
    {
        QFETCH(int, pixels);
        QFETCH(int, dpi);
        QFETCH(int, twips);
        QCOMPARE(Twips::fromPixels(pixels, dpi), twips);
    }
};

QTEST_APPLESS_MAIN(tst_Twips)
#include "tst_Twips.moc"
