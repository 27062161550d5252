#include <QtTest>

#include "controls/display/orvSeparator.h"

class tst_orvSeparator : public QObject
{
    Q_OBJECT

private slots:
    // Whatever height it is given, the rule returns to 30 twips (two pixels at 96 dpi) and
    // its two lines run the new width.
    void snapsTo30Twips_data()
    {
        QTest::addColumn<QSize>("given");
        QTest::newRow("taller") << QSize(300, 40);
        QTest::newRow("one pixel") << QSize(120, 1);
        QTest::newRow("no height") << QSize(50, 0);
        QTest::newRow("wider, same height") << QSize(640, 2);
    }
    void snapsTo30Twips()
    {
        QFETCH(QSize, given);
        QWidget form;
        auto *rule = new orvSeparator(&form);
        form.show();
        QCOMPARE(form.logicalDpiX(), 96);
        rule->resize(given);
        QCOMPARE(rule->size(), QSize(given.width(), 2));
        QCOMPARE(rule->Line1()->geometry(), QRect(0, 0, given.width(), 1));
        QCOMPARE(rule->Line2()->geometry(), QRect(0, 1, given.width(), 1));
        QCOMPARE(rule->Line1()->palette().color(QPalette::Window), QColor(221, 221, 221));
        QCOMPARE(rule->Line2()->palette().color(QPalette::Window), QColor(Qt::white));
    }
};

QTEST_MAIN(tst_orvSeparator)
#include "tst_orvSeparator.moc"
