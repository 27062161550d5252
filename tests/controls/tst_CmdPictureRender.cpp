#include <QtTest>

#include "controls/display/CmdPicture.h"
#include "controls/display/CmdPictureRender.h"
#include "controls/display/CmdPictures.h"
#include "platform/DeviceContext.h"

namespace
{

using Pixels = QList<QPair<QPoint, QRgb>>;

constexpr QRgb background = 0xff102030;

QImage surface()
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    return image;
}

QImage plain(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The palette of the picture scenes, distinct in every slot the pictures read.
CmdPalette palette()
{
    CmdPalette p;
    p.FaceColor = 0x808080;
    p.HighlightColor = 0xFFFFFF;
    p.ShadowColor = 0x404040;
    p.SelectLightColor = 0xB0C0D0;
    p.TypeFaceColor = 0x909090;
    p.MaskColorValue = 0xC0C0C0;
    return p;
}

} // namespace

class tst_CmdPictureRender : public QObject
{
    Q_OBJECT

private slots:
    // One picture pixel laid on a surface pixel of 0x102030; the expected pixels follow
    // from the rules by hand.
    void onePixel_data()
    {
        QTest::addColumn<QRgb>("picture");
        QTest::addColumn<QString>("blit"); // mask: of C0C0C0, shade: in blue, dark: only
        QTest::addColumn<QRgb>("expected");
        QTest::newRow("mask colour with the mask") << qRgb(192, 192, 192) << "mask" << background;
        QTest::newRow("mask colour without it") << qRgb(192, 192, 192) << "" << qRgb(192, 192, 192);
        QTest::newRow("near the mask colour")
            << qRgb(192, 192, 193) << "mask" << qRgb(192, 192, 193);
        // 0.3 x 255 = 76.5, to even 76.
        QTest::newRow("grey of red") << qRgb(255, 0, 0) << "grey" << qRgb(76, 76, 76);
        // 0.3 x 5 = 1.5 rounds to 2, 0.3 x 15 = 4.5 to 4.
        QTest::newRow("grey of red 5") << qRgb(5, 0, 0) << "grey" << qRgb(2, 2, 2);
        QTest::newRow("grey of red 15") << qRgb(15, 0, 0) << "grey" << qRgb(4, 4, 4);
        // 0 + 150.45 + 0 rounds to 150.
        QTest::newRow("grey of green") << qRgb(0, 255, 0) << "grey" << qRgb(150, 150, 150);
        // (180 + 16) / 3, (120 + 32) / 3, (60 + 48) / 3, truncated.
        QTest::newRow("blend") << qRgb(90, 60, 30) << "blend" << qRgb(65, 50, 36);
        QTest::newRow("silhouette of a light pixel")
            << qRgb(250, 250, 250) << "mask+shade" << qRgb(255, 0, 0);
        QTest::newRow("silhouette keeps the mask")
            << qRgb(192, 192, 192) << "mask+shade" << background;
        QTest::newRow("dark only: sum 385 stays")
            << qRgb(200, 100, 85) << "mask+shade+dark" << background;
        QTest::newRow("dark only: sum 384 drawn")
            << qRgb(200, 100, 84) << "mask+shade+dark" << qRgb(255, 0, 0);
    }
    void onePixel()
    {
        QFETCH(QRgb, picture);
        QFETCH(QString, blit);
        QFETCH(QRgb, expected);
        const QStringList how = blit.split(u'+');
        CmdPictureBlit drawing;
        drawing.box = QRect(3, 4, 1, 1);
        if (how.contains("mask"))
            drawing.transparent = 0xC0C0C0;
        if (how.contains("shade"))
            drawing.shade = 0x0000FF;
        drawing.darkOnly = how.contains("dark");
        drawing.greyscale = how.contains("grey");
        drawing.blend = how.contains("blend");
        QImage target = surface();
        DrawPicture(target, plain(QSize(1, 1), picture), drawing);
        QCOMPARE(target.pixel(3, 4), expected);
        QCOMPARE(target.pixel(4, 4), background);
        QCOMPARE(target.pixel(3, 5), background);
    }

    // Which surface pixels a picture of a size reaches, to its last column and row.
    void extent_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QList<QPoint>>("drawn");
        QTest::addColumn<QList<QPoint>>("kept");
        QTest::newRow("13 x 5, not a multiple of 4")
            << QSize(13, 5) << QRect(1, 2, 13, 5) << QList<QPoint>{{1, 2}, {13, 2}, {1, 6}, {13, 6}}
            << QList<QPoint>{{0, 2}, {14, 6}, {13, 7}, {1, 1}};
        QTest::newRow("larger than its box")
            << QSize(9, 9) << QRect(2, 2, 3, 2) << QList<QPoint>{{2, 2}, {4, 3}}
            << QList<QPoint>{{5, 2}, {2, 4}};
        QTest::newRow("smaller than its box")
            << QSize(2, 2) << QRect(2, 2, 6, 6) << QList<QPoint>{{3, 3}}
            << QList<QPoint>{{4, 2}, {2, 4}};
        QTest::newRow("over the surface's edges")
            << QSize(4, 4) << QRect(-1, 14, 4, 4) << QList<QPoint>{{0, 14}, {2, 15}}
            << QList<QPoint>{{3, 15}, {0, 13}};
    }
    void extent()
    {
        QFETCH(QSize, picture);
        QFETCH(QRect, box);
        QFETCH(QList<QPoint>, drawn);
        QFETCH(QList<QPoint>, kept);
        QImage target = surface();
        CmdPictureBlit blit;
        blit.box = box;
        DrawPicture(target, plain(picture, qRgb(255, 0, 0)), blit);
        for (const QPoint &point : drawn)
            QVERIFY2(target.pixel(point) == qRgb(255, 0, 0), qPrintable(QTest::toString(point)));
        for (const QPoint &point : kept)
            QVERIFY2(target.pixel(point) == background, qPrintable(QTest::toString(point)));
    }

    // An icon is drawn over a brush of the mask colour: its transparent area is the mask
    // colour, which the mask then leaves out.
    void iconTransparency_data()
    {
        QTest::addColumn<bool>("useMask");
        QTest::addColumn<QRgb>("corner");
        QTest::newRow("with the mask") << true << background;
        QTest::newRow("without the mask") << false << qRgb(0xC0, 0xC0, 0xC0);
    }
    void iconTransparency()
    {
        QFETCH(bool, useMask);
        QFETCH(QRgb, corner);
        QImage art(4, 4, QImage::Format_ARGB32);
        art.fill(Qt::transparent);
        art.setPixel(2, 2, qRgb(0, 0, 255));
        const CmdPicture icon = CmdPicture::icon(QIcon(QPixmap::fromImage(art)), QSize(4, 4));
        QImage target = surface();
        CmdPictureBlit blit;
        blit.box = QRect(5, 5, 4, 4);
        if (useMask)
            blit.transparent = 0xC0C0C0;
        DrawPicture(target, icon.pixels(QSize(4, 4), 0xC0C0C0), blit);
        QCOMPARE(target.pixel(5, 5), corner);
        QCOMPARE(target.pixel(7, 7), qRgb(0, 0, 255));
    }

    // A one-pixel picture at (5, 5) on a face of 0x808080; what each state, type and
    // effect puts around it. Shifts by 40 of the face: 0xA8A8A8 and 0x585858. With "over"
    // a second picture of 0xC80000 is set for the pointer, drawn in the first one's box.
    void pictures_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("effect");
        QTest::addColumn<QRgb>("picture");
        QTest::addColumn<Pixels>("expected");
        const QRgb face = qRgb(128, 128, 128);
        const QRgb dark = qRgb(10, 20, 30);
        const QRgb light = qRgb(200, 200, 200);
        const QRgb lighter = qRgb(168, 168, 168);
        const QRgb darker = qRgb(88, 88, 88);
        const QRgb shadow = qRgb(64, 64, 64);
        const QRgb white = qRgb(255, 255, 255);
        const QRgb red = qRgb(200, 0, 0);
        const auto row = [](const char *name, int type, const char *state, int effect, QRgb picture,
                            const Pixels &expected) {
            QTest::newRow(name) << type << QString(state) << effect << picture << expected;
        };
        row("up, no effect", 2, "up", 0, dark, {{{5, 5}, dark}, {{6, 6}, face}});
        row("up, shadow: one silhouette", 2, "up", 3, dark,
            {{{5, 5}, dark}, {{6, 6}, darker}, {{4, 4}, face}});
        row("up, raised: two", 2, "up", 1, dark,
            {{{5, 5}, dark}, {{6, 6}, darker}, {{4, 4}, lighter}});
        row("up, engraved: two", 2, "up", 2, dark,
            {{{5, 5}, dark}, {{6, 6}, lighter}, {{4, 4}, darker}});
        row("up, type 3 effect from its gradient base", 3, "up", 3, dark,
            {{{6, 6}, qRgb(104, 104, 104)}});
        row("down moves by one", 2, "down", 3, dark,
            {{{5, 5}, face}, {{6, 6}, dark}, {{7, 7}, darker}});
        row("down, type 5 stays", 5, "down", 0, dark, {{{5, 5}, dark}, {{6, 6}, face}});
        row("over picture: not while up", 2, "up+over", 0, dark, {{{5, 5}, dark}});
        row("over picture: hovered", 2, "hovered+over", 0, dark, {{{5, 5}, red}});
        row("over picture: down", 2, "down+over", 0, dark, {{{6, 6}, red}});
        // (2 x 10 + 128) / 3 = 49, (40 + 128) / 3 = 56, (60 + 128) / 3 = 62.
        row("up, selection blends", 9, "up", 0, dark, {{{5, 5}, qRgb(49, 56, 62)}});
        // Effect at (5, 5) from the selection fill 0xB0C0D0 less 40, shadow at (6, 6),
        // the picture lifted to (4, 4).
        row("hovered selection", 9, "hovered", 3, dark,
            {{{5, 5}, qRgb(168, 152, 136)}, {{6, 6}, shadow}, {{4, 4}, dark}});
        row("disabled, engraved", 2, "disabled", 0, dark, {{{5, 5}, shadow}, {{6, 6}, white}});
        row("disabled, light pixels vanish", 2, "disabled", 0, light,
            {{{5, 5}, face}, {{6, 6}, face}});
        row("disabled type 6, flat", 6, "disabled", 0, dark, {{{5, 5}, shadow}, {{6, 6}, face}});
        row("disabled type 5, flat", 5, "disabled", 0, dark, {{{5, 5}, shadow}, {{6, 6}, face}});
        row("disabled type 9, shadow shifted by 13", 9, "disabled", 0, dark,
            {{{5, 5}, qRgb(77, 77, 77)}, {{6, 6}, face}});
        // round(3 + 11.8 + 3.3) = 18.
        row("disabled type 3, grey and moved", 3, "disabled", 0, dark,
            {{{5, 5}, face}, {{6, 6}, qRgb(18, 18, 18)}});
    }
    void pictures()
    {
        QFETCH(int, type);
        QFETCH(QString, state);
        QFETCH(int, effect);
        QFETCH(QRgb, picture);
        QFETCH(Pixels, expected);
        const QStringList how = state.split(u'+');
        DeviceContext dc;
        dc.resize(12, 12);
        dc.fillRect(0, 0, 12, 12, 0x808080);
        const CmdPicture normal = CmdPicture::bitmap(plain(QSize(1, 1), picture));
        const CmdPicture over = CmdPicture::bitmap(plain(QSize(1, 1), qRgb(200, 0, 0)));
        CmdScene scene(dc);
        scene.palette = palette();
        scene.type = Cmd::ButtonType(type);
        scene.effect = Cmd::SpecialEffect(effect);
        scene.isOver = how.contains("hovered");
        scene.pictureNormal = &normal;
        scene.pictureOver = how.contains("over") ? &over : nullptr;
        scene.pictureBox = QRect(5, 5, 1, 1);
        const CmdPictureMode mode = how.contains("down")       ? CmdPictureMode::Down
                                    : how.contains("disabled") ? CmdPictureMode::Disabled
                                                               : CmdPictureMode::Up;
        DrawPictures(scene, mode, CmdCaptionMode::Up);
        for (const auto &[point, colour] : expected)
            QVERIFY2(dc.image().pixel(point) == colour,
                     qPrintable(QStringLiteral("%1: %2")
                                    .arg(QTest::toString(point))
                                    .arg(dc.image().pixel(point), 8, 16)));
    }
};

QTEST_MAIN(tst_CmdPictureRender)
#include "tst_CmdPictureRender.moc"
