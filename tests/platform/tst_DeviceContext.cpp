#include <QFontMetrics>
#include <QtTest>

#include "platform/DeviceContext.h"
#include "platform/DeviceText.h"

namespace
{

constexpr quint32 red = 0x0000FF;

QList<QPoint> paintedPixels(const DeviceContext &dc)
{
    QList<QPoint> points;
    for (int y = 0; y < dc.height(); ++y)
        for (int x = 0; x < dc.width(); ++x)
            if (qAlpha(dc.image().pixel(x, y)) != 0)
                points += QPoint(x, y);
    return points;
}

QFont captionFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

class tst_DeviceContext : public QObject
{
    Q_OBJECT

private slots:
    void rectanglesLeaveOutRightAndBottom_data()
    {
        QTest::addColumn<bool>("frameOnly");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("painted");
        const QRect box(2, 3, 4, 3); // columns 2..5, rows 3..5
        QTest::newRow("fill: top-left") << false << box << QPoint(2, 3) << true;
        QTest::newRow("fill: last column") << false << box << QPoint(5, 5) << true;
        QTest::newRow("fill: right edge") << false << box << QPoint(6, 4) << false;
        QTest::newRow("fill: bottom edge") << false << box << QPoint(3, 6) << false;
        QTest::newRow("fill: before left") << false << box << QPoint(1, 4) << false;
        QTest::newRow("fill: clipped at the surface")
            << false << QRect(-2, -2, 4, 4) << QPoint(1, 1) << true;
        QTest::newRow("fill: empty width") << false << QRect(2, 2, 0, 3) << QPoint(2, 2) << false;
        QTest::newRow("frame: corner") << true << box << QPoint(5, 5) << true;
        QTest::newRow("frame: inside") << true << box << QPoint(3, 4) << false;
        QTest::newRow("frame: right edge") << true << box << QPoint(6, 3) << false;
        QTest::newRow("frame: bottom edge") << true << box << QPoint(2, 6) << false;
    }
    void rectanglesLeaveOutRightAndBottom()
    {
        QFETCH(bool, frameOnly);
        QFETCH(QRect, rect);
        QFETCH(QPoint, point);
        QFETCH(bool, painted);
        DeviceContext dc;
        dc.resize(10, 10);
        if (frameOnly)
            dc.frameRect(rect.x(), rect.y(), rect.width(), rect.height(), red);
        else
            dc.fillRect(rect.x(), rect.y(), rect.width(), rect.height(), red);
        QCOMPARE(dc.image().pixel(point) == qRgb(255, 0, 0), painted);
    }

    void linesStopOneShort_data()
    {
        QTest::addColumn<QLine>("line");
        QTest::addColumn<QList<QPoint>>("pixels");
        QTest::newRow("horizontal")
            << QLine(1, 1, 5, 1) << QList<QPoint>{{1, 1}, {2, 1}, {3, 1}, {4, 1}};
        QTest::newRow("vertical upward")
            << QLine(3, 5, 3, 1) << QList<QPoint>{{3, 2}, {3, 3}, {3, 4}, {3, 5}};
        QTest::newRow("leftward") << QLine(4, 0, 1, 0) << QList<QPoint>{{2, 0}, {3, 0}, {4, 0}};
        QTest::newRow("diagonal") << QLine(0, 0, 3, 3) << QList<QPoint>{{0, 0}, {1, 1}, {2, 2}};
        // Slope 1/3: the row steps where the exact line passes the pixel's middle.
        QTest::newRow("shallow") << QLine(0, 0, 6, 2)
                                 << QList<QPoint>{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}};
        QTest::newRow("one pixel long") << QLine(2, 2, 3, 2) << QList<QPoint>{{2, 2}};
        QTest::newRow("no length") << QLine(2, 2, 2, 2) << QList<QPoint>{};
    }
    void linesStopOneShort()
    {
        QFETCH(QLine, line);
        QFETCH(QList<QPoint>, pixels);
        DeviceContext dc;
        dc.resize(8, 8);
        dc.line(line.x1(), line.y1(), line.x2(), line.y2(), red);
        QList<QPoint> painted = paintedPixels(dc);
        auto byRow = [](QPoint a, QPoint b) {
            return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x());
        };
        std::sort(painted.begin(), painted.end(), byRow);
        std::sort(pixels.begin(), pixels.end(), byRow);
        QCOMPARE(painted, pixels);
    }

    void lineToContinuesFromTheLastEndPoint()
    {
        DeviceContext dc;
        dc.resize(6, 6);
        dc.moveTo(1, 1);
        dc.lineTo(4, 1, red);
        dc.lineTo(4, 4, red);
        // The corner comes from the second line; the last end point stays blank.
        QCOMPARE(paintedPixels(dc),
                 (QList<QPoint>{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 2}, {4, 3}}));
    }

    void focusOutlineInvertsEveryOtherPixel_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<quint32>("background");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("inverted");
        // Outline x 1..7, y 1..5; the top-right (7,1) sets the phase: x + y even.
        const QRect odd(1, 1, 7, 5);
        QTest::newRow("top-right") << odd << 0x000000u << QPoint(7, 1) << true;
        QTest::newRow("top-left, same phase") << odd << 0x000000u << QPoint(1, 1) << true;
        QTest::newRow("top, between") << odd << 0x000000u << QPoint(2, 1) << false;
        QTest::newRow("right, between") << odd << 0x000000u << QPoint(7, 2) << false;
        QTest::newRow("bottom-left") << odd << 0x000000u << QPoint(1, 5) << true;
        QTest::newRow("left") << odd << 0x000000u << QPoint(1, 3) << true;
        QTest::newRow("inside") << odd << 0x000000u << QPoint(3, 3) << false;
        QTest::newRow("right edge is outside") << odd << 0x000000u << QPoint(8, 2) << false;
        // Outline x 0..3, y 0..2; top-right (3,0) is odd, so the top-left is not inverted.
        const QRect even(0, 0, 4, 3);
        QTest::newRow("even width: top-right") << even << 0x000000u << QPoint(3, 0) << true;
        QTest::newRow("even width: top-left") << even << 0x000000u << QPoint(0, 0) << false;
        QTest::newRow("even width: bottom-right") << even << 0x000000u << QPoint(3, 2) << true;
        QTest::newRow("on a colour") << odd << 0x563412u << QPoint(7, 1) << true;
        QTest::newRow("on a colour, between") << odd << 0x563412u << QPoint(6, 1) << false;
    }
    void focusOutlineInvertsEveryOtherPixel()
    {
        QFETCH(QRect, rect);
        QFETCH(quint32, background);
        QFETCH(QPoint, point);
        QFETCH(bool, inverted);
        DeviceContext dc;
        dc.resize(10, 8);
        dc.fillRect(0, 0, 10, 8, background);
        dc.focusRect(rect);
        const QRgb before = DeviceContext::pixel(background);
        const QRgb expected = inverted ? (before ^ 0x00FFFFFF) : before;
        QCOMPARE(dc.image().pixel(point), expected);
        dc.focusRect(rect);
        QCOMPARE(dc.image().pixel(point), before);
    }

    void ellipseSpans_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<QLine>>("rows"); // (left, y) to (right, y), right exclusive
        QTest::newRow("one pixel") << QSize(1, 1) << QList<QLine>{{0, 0, 1, 0}};
        // Centres inside (2x + 1 - 4)² 16 + (2y + 1 - 4)² 16 <= 256.
        QTest::newRow("4 x 4") << QSize(4, 4)
                               << QList<QLine>{
                                      {1, 0, 3, 0}, {0, 1, 4, 1}, {0, 2, 4, 2}, {1, 3, 3, 3}};
        QTest::newRow("10 x 6") << QSize(10, 6)
                                << QList<QLine>{{2, 0, 8, 0},  {1, 1, 9, 1}, {0, 2, 10, 2},
                                                {0, 3, 10, 3}, {1, 4, 9, 4}, {2, 5, 8, 5}};
        QTest::newRow("empty") << QSize(0, 5) << QList<QLine>{};
    }
    void ellipseSpans()
    {
        QFETCH(QSize, size);
        QFETCH(QList<QLine>, rows);
        QList<QLine> spans;
        for (const DeviceContext::Span &span :
             DeviceContext::ellipseSpans(size.width(), size.height()))
            spans += QLine(span.left, span.y, span.right, span.y);
        QCOMPARE(spans, rows);
    }

    void ellipseHasTwoPixelPenInside()
    {
        DeviceContext dc;
        dc.resize(10, 6);
        dc.ellipse(0, 0, 10, 6, 0x0000FF, 0x00FF00);
        // p pen, b brush, - untouched: the brush is the ellipse of the 6 x 2 box at (2, 2).
        QStringList picture;
        for (int y = 0; y < dc.height(); ++y) {
            QString line;
            for (int x = 0; x < dc.width(); ++x) {
                const QRgb pixel = dc.image().pixel(x, y);
                line += qAlpha(pixel) == 0         ? u'-'
                        : pixel == qRgb(255, 0, 0) ? u'p'
                        : pixel == qRgb(0, 255, 0) ? u'b'
                                                   : u'?';
            }
            picture << line;
        }
        QCOMPARE(picture, QStringList({"--pppppp--", "-pppppppp-", "ppbbbbbbpp", "ppbbbbbbpp",
                                       "-pppppppp-", "--pppppp--"}));
    }

    void textWrapsAtWordsAndShowsPrefixes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("wrapAt"); // the wrap width is this text's width
        QTest::addColumn<QStringList>("shownLines");
        const auto row = [](const char *name, const QString &text, const QString &wrapAt,
                            const QStringList &shownLines) {
            QTest::newRow(name) << text << wrapAt << shownLines;
        };
        row("one line", "OK", "OK wide enough", {"OK"});
        row("wraps between words", "one two three", "one two", {"one two", "three"});
        row("a long word stays whole", "unbreakable", "un", {"unbreakable"});
        row("line breaks", "a\r\nb\nc", "abc", {"a", "b", "c"});
        row("doubled ampersand shows one", "Save && Exit", "Save & Exit wide", {"Save & Exit"});
        row("prefix ampersand is not shown", "&Open", "Open wide", {"Open"});
        row("empty", QString(), "x", {});
    }
    void textWrapsAtWordsAndShowsPrefixes()
    {
        QFETCH(QString, text);
        QFETCH(QString, wrapAt);
        QFETCH(QStringList, shownLines);
        QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
        const QFontMetrics metrics(captionFont(), &probe);
        const DeviceText block(captionFont(), text, metrics.horizontalAdvance(wrapAt));
        int widest = 0;
        for (const QString &line : shownLines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        QCOMPARE(block.lineCount(), shownLines.size());
        QCOMPARE(block.size(), QSize(widest, int(shownLines.size()) * metrics.height()));
    }

    void accessKeyIsUnderlinedUnderItsCharacter()
    {
        QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
        const QFontMetrics metrics(captionFont(), &probe);
        const DeviceText plain(captionFont(), QStringLiteral("File"), 100);
        const DeviceText keyed(captionFont(), QStringLiteral("&File"), 100);
        const DeviceText doubled(captionFont(), QStringLiteral("&&File"), 100);
        DeviceContext withKey, without, literal;
        for (DeviceContext *dc : {&withKey, &without, &literal})
            dc->resize(40, 20);
        withKey.text(keyed, 0, 0, red);
        without.text(plain, 0, 0, red);
        literal.text(doubled, 0, 0, red);
        const int row = std::max(1, metrics.underlinePos()) + metrics.ascent();
        const int width = metrics.horizontalAdvance(QLatin1Char('F'));
        for (int x = 0; x < width; ++x)
            QCOMPARE(withKey.image().pixel(x, row), qRgb(255, 0, 0));
        // Only the underline differs from the plain caption.
        int differing = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x)
                differing += withKey.image().pixel(x, y) != without.image().pixel(x, y);
        QVERIFY(differing > 0 && differing <= width);
        QCOMPARE(doubled.size().width(), metrics.horizontalAdvance(QStringLiteral("&File")));
        QVERIFY(literal.image() != without.image());
    }
};

QTEST_MAIN(tst_DeviceContext)
#include "tst_DeviceContext.moc"
