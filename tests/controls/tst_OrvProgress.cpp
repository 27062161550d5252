#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include "MessageBoxWatcher.h"
#include "controls/display/OrvProgress.h"
#include "controls/display/ProgressPainter.h"
#include "platform/HostColor.h"

namespace
{

// The not-xor of two colours, channel by channel: NOT (source XOR destination).
QRgb notXor(QRgb source, QRgb destination)
{
    return qRgb(~(qRed(source) ^ qRed(destination)) & 0xff,
                ~(qGreen(source) ^ qGreen(destination)) & 0xff,
                ~(qBlue(source) ^ qBlue(destination)) & 0xff);
}

QSet<QRgb> coloursIn(const QImage &image, const QRect &area)
{
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(image.pixel(x, y) | 0xff000000);
    return colours;
}

} // namespace

class tst_OrvProgress : public QObject
{
    Q_OBJECT

private slots:
    // A write that breaks the range is refused with the message and changes nothing.
    void rangeChecks_data()
    {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<double>("written");
        QTest::addColumn<bool>("refused");
        QTest::newRow("value above max") << 0.0 << 100.0 << QByteArray("Value") << 100.5 << true;
        QTest::newRow("value below min") << 10.0 << 100.0 << QByteArray("Value") << 9.0 << true;
        QTest::newRow("value at max") << 0.0 << 100.0 << QByteArray("Value") << 100.0 << false;
        QTest::newRow("value at min") << 10.0 << 100.0 << QByteArray("Value") << 10.0 << false;
        QTest::newRow("min 50 under max") << 0.0 << 100.0 << QByteArray("Min") << 50.0 << false;
        QTest::newRow("min above max") << 0.0 << 100.0 << QByteArray("Min") << 150.0 << true;
        QTest::newRow("max below min") << 50.0 << 100.0 << QByteArray("Max") << 40.0 << true;
        QTest::newRow("max at min") << 50.0 << 100.0 << QByteArray("Max") << 50.0 << false;
    }
    void rangeChecks()
    {
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(QByteArray, property);
        QFETCH(double, written);
        QFETCH(bool, refused);
        OrvProgress bar;
        bar.resize(200, 20);
        bar.letMin(min);
        bar.letMax(max);
        bar.letValue(min);
        const QImage before = bar.picture();
        const QVariant old = bar.property(property);
        MessageBoxWatcher watcher;

        bar.setProperty(property, written);

        QCOMPARE(bar.property(property).toDouble(), refused ? old.toDouble() : written);
        QCOMPARE(watcher.messages().size(), refused ? 1 : 0);
        if (refused) {
            QCOMPARE(watcher.single().text, QString("Invalid Value"));
            QCOMPARE(watcher.single().icon, QMessageBox::Critical);
            QCOMPARE(watcher.single().title, QString("Velmo IT"));
            QCOMPARE(bar.picture(), before);
        }
        QCOMPARE(bar.Min(), property == "Min" && !refused ? written : min);
        QCOMPARE(bar.Max(), property == "Max" && !refused ? written : max);
    }

    // The integer part of the percentage, never the nearest integer.
    void percentText_data()
    {
        QTest::addColumn<double>("fraction");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << 0.0 << "0%";
        QTest::newRow("full") << 1.0 << "100%";
        QTest::newRow("0.999") << 0.999 << "99%";
        QTest::newRow("0.375") << 0.375 << "37%";
        // A value far above a lowered Max: the printed number stops at the int range.
        QTest::newRow("huge") << 1e300 << "2147483647%";
        QTest::newRow("infinite") << qInf() << "2147483647%";
        QTest::newRow("minus infinite") << -qInf() << "-2147483648%";
        // Min and Value at opposite ends of the double range: infinity over infinity.
        QTest::newRow("not a number") << qQNaN() << "0%";
    }
    void percentText()
    {
        QFETCH(double, fraction);
        QFETCH(QString, text);
        QCOMPARE(ProgressPainter::percentText(fraction), text);
    }

    // At Min no column is covered by the bar, at Max every one is: the left and right
    // columns of the picture, away from the text, show it.
    void emptyAndFull_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QRgb>("leftColumn");
        QTest::addColumn<QRgb>("rightColumn");
        const QRgb back = qRgb(32, 32, 32);
        const QRgb bar = qRgb(0, 255, 0);
        QTest::newRow("at min") << 0.0 << notXor(back, back) << notXor(back, back);
        QTest::newRow("at max") << 100.0 << notXor(bar, back) << notXor(bar, back);
        QTest::newRow("half") << 50.0 << notXor(bar, back) << back;
    }
    void emptyAndFull()
    {
        QFETCH(double, value);
        QFETCH(QRgb, leftColumn);
        QFETCH(QRgb, rightColumn);
        OrvProgress bar;
        bar.resize(202, 22);
        bar.show();
        bar.letBackColor(HostColor::rgb(32, 32, 32));
        bar.letOutColor(bar.ForeColor()); // a bar of one colour
        bar.letValue(value);
        const QImage picture = bar.picture();
        QCOMPARE(picture.size(), QSize(200, 20));
        const QRect left(0, 0, 1, 20);
        const QRect right(199, 0, 1, 20);
        QCOMPARE(coloursIn(picture, left), QSet<QRgb>{leftColumn});
        QCOMPARE(coloursIn(picture, right), QSet<QRgb>{rightColumn});
    }

    // Max lowered onto Min: a value above the range fills the bar, one at Min leaves it
    // empty, as at Max and at Min of an ordinary range.
    void rangeClosed_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("shownAs");
        QTest::newRow("value above") << 80.0 << 100.0;
        QTest::newRow("value at min") << 0.0 << 0.0;
    }
    void rangeClosed()
    {
        QFETCH(double, value);
        QFETCH(double, shownAs);
        OrvProgress bar;
        bar.resize(100, 20);
        bar.show();
        bar.letValue(value);
        bar.letMax(0);
        bar.resize(100, 21);
        OrvProgress ordinary;
        ordinary.resize(100, 21);
        ordinary.show();
        ordinary.letValue(shownAs);
        QCOMPARE(bar.picture(), ordinary.picture());
    }

    // Over the bar the printed text and its background are not-xored with the bar colour;
    // beside the bar they keep their own colours.
    void notXorPixels()
    {
        const QRgb back = qRgb(32, 64, 96);
        const QRgb fore = qRgb(0, 200, 40);
        const ProgressPainter::Look look{QColor(back), QColor(fore), QColor(fore), QFont()};
        const QSize size(120, 30);
        // A white bar leaves what it covers as it was: the picture of the text alone.
        ProgressPainter::Look white = look;
        white.out = QColor(Qt::white);
        white.fore = QColor(Qt::white);
        QImage text = ProgressPainter::paint(size, 1, white, 0.5);
        // The printed text is in the bar's colour.
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                if (text.pixel(x, y) == qRgb(255, 255, 255))
                    text.setPixel(x, y, fore);
        const QImage half = ProgressPainter::paint(size, 1, look, 0.5);

        int textOverBar = 0;
        int textBesideBar = 0;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const QRgb printed = text.pixel(x, y) | 0xff000000;
                QVERIFY(printed == back || printed == fore);
                const QRgb expected = x < 60 ? notXor(fore, printed) : printed;
                QCOMPARE(half.pixel(x, y) | 0xff000000, expected);
                if (printed == fore)
                    ++(x < 60 ? textOverBar : textBesideBar);
            }
        }
        QVERIFY(textOverBar > 0);
        QVERIFY(textBesideBar > 0);
        // By hand: the background (32, 64, 96) under the bar turns (~(0^32), ~(200^64),
        // ~(40^96)).
        QCOMPARE(half.pixel(1, 0) | 0xff000000, qRgb(223, 119, 183));
        QCOMPARE(half.pixel(119, 0) | 0xff000000, back);
    }

    // From one colour to the other over y1..y2, x2 left out, channels rounded half to even.
    void drawGradient_data()
    {
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<QList<int>>("reds"); // rows 0..4
        // red 1 -> 4 over four steps: 1, 1.75, 2.5, 3.25, 4 -> 1, 2, 2, 3, 4
        QTest::newRow("forward") << false << QList<int>{1, 2, 2, 3, 4};
        QTest::newRow("reverse") << true << QList<int>{4, 3, 2, 2, 1};
    }
    void drawGradient()
    {
        QFETCH(bool, reverse);
        QFETCH(QList<int>, reds);
        OrvProgress bar;
        bar.letOutColor(HostColor::rgb(4, 0, 0));
        QImage target(6, 6, QImage::Format_RGB32);
        target.fill(Qt::white);
        {
            QPainter painter(&target);
            bar.DrawGradient(painter, 1, 0, 0, reverse, 0, 0, 5, 4);
            bar.DrawGradient(painter, 0, 0, 0, reverse, 0, 5, 5, 5); // no height: nothing
        }
        for (int y = 0; y < 5; ++y) {
            QCOMPARE(target.pixel(0, y), qRgb(reds[y], 0, 0));
            QCOMPARE(target.pixel(4, y), qRgb(reds[y], 0, 0));
            QCOMPARE(target.pixel(5, y), qRgb(255, 255, 255));
        }
        QCOMPARE(target.pixel(0, 5), qRgb(255, 255, 255));
    }

    // Colours are stored at once but shown from the next value write, even of the value it
    // already has, or resize.
    void coloursShownFromNextUpdate_data()
    {
        QTest::addColumn<bool>("resize");
        QTest::addColumn<double>("nextValue");
        QTest::newRow("next value") << false << 99.0;
        QTest::newRow("same value") << false << 100.0;
        QTest::newRow("resize") << true << 0.0;
    }
    void coloursShownFromNextUpdate()
    {
        QFETCH(bool, resize);
        QFETCH(double, nextValue);
        OrvProgress bar;
        bar.resize(100, 20);
        bar.show();
        bar.letValue(100);
        const QImage green = bar.picture();
        bar.letForeColor(HostColor::rgb(0, 0, 255));
        bar.letOutColor(HostColor::rgb(0, 0, 255));
        QCOMPARE(bar.picture(), green);
        if (resize)
            bar.resize(100, 21);
        else
            bar.letValue(nextValue);
        QCOMPARE(bar.picture().pixel(0, 0), notXor(qRgb(0, 0, 255), qRgb(255, 255, 255)));
    }

    void frameAndPicturePlace()
    {
        QWidget form;
        auto *bar = new OrvProgress(&form);
        bar->setGeometry(5, 5, 80, 16);
        form.show();
        QCOMPARE(bar->picStatus()->geometry(), QRect(1, 1, 78, 14));
        const QImage shown = bar->grab().toImage();
        for (const QPoint corner : {QPoint(0, 0), QPoint(79, 15), QPoint(40, 0), QPoint(0, 8)})
            QCOMPARE(shown.pixel(corner), qRgb(176, 208, 240));
    }
};

QTEST_MAIN(tst_OrvProgress)
#include "tst_OrvProgress.moc"
