// Every named state of the gallery, rendered as the sheet renders it: it paints something,
// it looks different from the control's other states (a state whose look is lost shows
// as a twin), and a state named for a marker shows that marker's colour.
#include <QHash>
#include <QSet>
#include <QTest>

#include "GalleryRegistry.h"
#include "GalleryStateImage.h"

namespace
{

QString key(const GalleryState &state)
{
    return state.control + u'/' + state.name;
}

// The opaque colours an image holds.
QSet<QRgb> coloursIn(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        colours.unite(QSet<QRgb>(line, line + rgb.width()));
    }
    return colours;
}

} // namespace

class tst_GalleryStates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (const GalleryState &state : galleryStates()) {
            QVERIFY2(!m_images.contains(key(state)), qPrintable(key(state) + " is named twice"));
            m_images.insert(key(state), renderGalleryState(state));
        }
    }

    void eachStateShowsItself_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        for (const GalleryState &state : galleryStates())
            QTest::newRow(qPrintable(key(state))) << state.control << state.name;
    }
    void eachStateShowsItself()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        const QImage image = m_images.value(control + u'/' + name);
        QVERIFY(!image.isNull());
        const QSet<QRgb> colours = coloursIn(image);
        QVERIFY2(colours.size() > 1, "the state paints nothing but one colour");

        for (const GalleryState &other : galleryStates())
            if (other.control == control && other.name != name)
                QVERIFY2(m_images.value(key(other)) != image,
                         qPrintable("looks the same as " + other.name));

        // The input controls' markers: the light-blue frame of focus and the red of an error.
        if (name == u"focused")
            QVERIFY2(colours.contains(qRgb(190, 216, 244)), "no focus colour");
        if (name == u"error")
            QVERIFY2(colours.contains(qRgb(255, 0, 0)), "no error red");
    }

private:
    QHash<QString, QImage> m_images;
};

QTEST_MAIN(tst_GalleryStates)
#include "tst_GalleryStates.moc"
