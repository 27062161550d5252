#include <QtTest>

#include "platform/Twips.h"

class tst_Twips : public QObject
{
    Q_OBJECT

private slots:
    // Twips to pixels, and back where no rounding came between.
    void twipsAndPixels_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("exact");
        QTest::newRow("15 twips are a pixel at 96 dpi") << 15 << 96 << 1 << true;
        QTest::newRow("an inch") << 1440 << 96 << 96 << true;
        QTest::newRow("20 twips round down") << 20 << 96 << 1 << false;
        QTest::newRow("30 twips") << 30 << 96 << 2 << true;
        QTest::newRow("100 pixels") << 1500 << 96 << 100 << true;
        QTest::newRow("double dpi doubles") << 15 << 192 << 2 << true;
        QTest::newRow("150 percent") << 1440 << 144 << 144 << true;
        QTest::newRow("96 pixels at 144 dpi") << 960 << 144 << 96 << true;
        QTest::newRow("negative") << -30 << 96 << -2 << true;
    }
    void twipsAndPixels()
    {
        QFETCH(int, twips);
        QFETCH(int, dpi);
        QFETCH(int, pixels);
        QFETCH(bool, exact);
        QCOMPARE(Twips::toPixels(twips, dpi), pixels);
        if (exact)
            QCOMPARE(Twips::fromPixels(pixels, dpi), twips);
    }
};

QTEST_APPLESS_MAIN(tst_Twips)
#include "tst_Twips.moc"
