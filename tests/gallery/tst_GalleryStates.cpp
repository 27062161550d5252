// Every named state of the gallery, rendered as the sheet renders it: it paints something,
// it looks different from the control's other states (a state whose look is lost shows
// as a twin), and a state named for a marker shows that marker's colour.
#include <QHash>
#include <QTest>

#include "GalleryRegistry.h"
#include "GalleryStateImage.h"

namespace
{

QString key(const GalleryState &state) { return state.control + u'/' + state.name; }

// Calls `found` on each pixel until it answers true.
template <typename Found> bool anyPixel(const QImage &image, Found found)
{
    const QImage argb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (found(line[x]))
                return true;
    }
    return false;
}

bool holdsColour(const QImage &image, QRgb colour)
{
    return anyPixel(image, [colour](QRgb pixel) { return pixel == (colour | 0xff000000u); });
}

bool isUniform(const QImage &image)
{
    const QRgb first = image.convertToFormat(QImage::Format_RGB32).pixel(0, 0);
    return !anyPixel(image, [first](QRgb pixel) { return pixel != first; });
}

} // namespace

class tst_GalleryStates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void eachStateShowsItself_data();
    void eachStateShowsItself();

private:
    QHash<QString, QImage> m_images;
};

void tst_GalleryStates::initTestCase()
{
    for (const GalleryState &state : galleryStates()) {
        QVERIFY2(!m_images.contains(key(state)), qPrintable(key(state) + " is named twice"));
        m_images.insert(key(state), renderGalleryState(state));
    }
}

void tst_GalleryStates::eachStateShowsItself_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    for (const GalleryState &state : galleryStates())
        QTest::newRow(qPrintable(key(state))) << state.control << state.name;
}

void tst_GalleryStates::eachStateShowsItself()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    const QImage image = m_images.value(control + u'/' + name);
    QVERIFY(!image.isNull());
    QVERIFY2(!isUniform(image), "the state paints nothing but one colour");

    for (const GalleryState &other : galleryStates())
        if (other.control == control && other.name != name)
            QVERIFY2(m_images.value(key(other)) != image,
                     qPrintable("looks the same as " + other.name));

    // The input controls' markers: the light-blue frame of focus and the red of an error.
    if (name == u"focused")
        QVERIFY2(holdsColour(image, qRgb(190, 216, 244)), "no focus colour");
    if (name == u"error")
        QVERIFY2(holdsColour(image, qRgb(255, 0, 0)), "no error red");
}

QTEST_MAIN(tst_GalleryStates)
#include "tst_GalleryStates.moc"
