// The looks kept between paints: the brand strip copied from the pixmap cache and the link
// button's measured caption must follow every change that alters them.
#include <QFont>
#include <QImage>
#include <QtTest>

#include "signin/BrandStrip.h"
#include "signin/LinkButton.h"

namespace
{

QImage rendered(QWidget &widget)
{
    return widget.grab().toImage();
}

} // namespace

class tst_CachedLooks : public QObject
{
    Q_OBJECT

private slots:
    // Each change gives another picture; going back gives the first picture again. The strip
    // sets its own text sizes, so the font change is to italics.
    void brandStripFollowsItsNameSizeAndFont_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("name") << "name";
        QTest::newRow("size") << "size";
        QTest::newRow("font") << "font";
    }
    void brandStripFollowsItsNameSizeAndFont()
    {
        QFETCH(QString, change);
        BrandStrip strip(QStringLiteral("Picture1"));
        strip.resize(240, 400);
        const QImage first = rendered(strip);
        const QFont font = strip.font();
        const auto apply = [&](bool changed) {
            if (change == u"name")
                strip.setApplicationName(changed ? QStringLiteral("Other App")
                                                 : QStringLiteral("Velmo IT"));
            else if (change == u"size")
                strip.resize(changed ? QSize(260, 380) : QSize(240, 400));
            else
                strip.setFont(changed ? QFont(font.family(), font.pointSize(), QFont::Normal, true)
                                      : font);
        };
        apply(true);
        const QImage changed = rendered(strip);
        QVERIFY(changed != first);
        QCOMPARE(changed.size(), strip.size() * strip.devicePixelRatioF());
        apply(false);
        QCOMPARE(rendered(strip), first);
    }

    void linkButtonMeasuresItsCaptionAgain()
    {
        LinkButton button(QStringLiteral("here"));
        const QSize shortCaption = button.sizeHint();
        button.setText(QStringLiteral("Terms && Conditions"));
        const QSize longCaption = button.sizeHint();
        QVERIFY(longCaption.width() > shortCaption.width());
        QFont larger = button.font();
        larger.setPointSizeF(larger.pointSizeF() * 2);
        button.setFont(larger);
        QVERIFY(button.sizeHint().height() > longCaption.height());
        QCOMPARE(button.minimumSizeHint(), button.sizeHint());
    }
};

QTEST_MAIN(tst_CachedLooks)
#include "tst_CachedLooks.moc"
