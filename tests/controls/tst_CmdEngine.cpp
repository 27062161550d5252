#include <QtTest>

#include "controls/display/CmdLayout.h"
#include "controls/display/CmdLooks.h"
#include "controls/display/CmdPalette.h"
#include "platform/DeviceContext.h"

class tst_CmdEngine : public QObject
{
    Q_OBJECT

private slots:
    void shiftColor_data()
    {
        QTest::addColumn<quint32>("color");
        QTest::addColumn<int>("amount");
        QTest::addColumn<bool>("softBevel");
        QTest::addColumn<bool>("blueProportional");
        QTest::addColumn<quint32>("expected");
        const auto row = [](const char *name, const quint32 &color, int amount, bool softBevel,
                            bool blueProportional, const quint32 &expected) {
            QTest::newRow(name) << color << amount << softBevel << blueProportional << expected;
        };
        row("darker by 64", 0x808080u, -64, false, false, 0x404040u);
        row("soft bevel halves the amount", 0x808080u, -64, true, false, 0x606060u);
        row("soft bevel truncates toward zero", 0x808080u, -3, true, false, 0x7F7F7Fu);
        row("halved to nothing", 0x123456u, 1, true, false, 0x123456u);
        row("lighter stops at 255", 0xF0E0D0u, 40, false, false, 0xFFFFF8u);
        row("darker stops at 0", 0x301008u, -40, false, false, 0x080000u);
        // Blue moves by 96 × -64 / 192 = -32; red and green by -64, clamped.
        row("blue proportional", 0x604020u, -64, false, true, 0x400000u);
        row("blue proportional truncates", 0x804020u, -64, false, true, 0x560000u);
        row("no blue stays without blue", 0x0000FFu, 40, false, true, 0x0028FFu);
    }
    void shiftColor()
    {
        QFETCH(quint32, color);
        QFETCH(int, amount);
        QFETCH(bool, softBevel);
        QFETCH(bool, blueProportional);
        QFETCH(quint32, expected);
        QCOMPARE(ShiftColor(color, amount, softBevel, blueProportional), expected);
    }

    void blendToWhite_data()
    {
        QTest::addColumn<quint32>("color");
        QTest::addColumn<int>("amount");
        QTest::addColumn<quint32>("expected");
        // 128 × 79 / 255 = 39, + 176 = 215; 0 × 79 / 255 + 176 = 176.
        QTest::newRow("navy by 176") << 0x800000u << 176 << 0xD7B0B0u;
        QTest::newRow("white stays white") << 0xFFFFFFu << 128 << 0xFFFFFFu;
        QTest::newRow("nothing added") << 0x123456u << 0 << 0x123456u;
    }
    void blendToWhite()
    {
        QFETCH(quint32, color);
        QFETCH(int, amount);
        QFETCH(quint32, expected);
        QCOMPARE(BlendToWhite(color, amount), expected);
    }

    void palette_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<bool>("softBevel");
        QTest::addColumn<int>("buttonType");
        QTest::addColumn<QList<quint32>>("expected");
        // Face, Light, Highlight, Shadow, DarkShadow, Text, TextOver, Select,
        // SelectLight, TypeFace. Custom back 0xE0C8A0 (R160 G200 B224), fore 0x202020,
        // fore-over 0x0000FF.
        QTest::newRow("custom") << 2 << false << 2
                                << QList<quint32>{0xE0C8A0, 0xFFE7BF, 0xFFF7CF, 0xA08860, 0x200800,
                                                  0x202020, 0x0000FF, 0x604820, 0xE0C8A0, 0xFFF8D0};
        QTest::newRow("custom, soft bevel")
            << 2 << true << 2 << QList<quint32>{0xE0C8A0, 0xEFD7AF, 0xF7DFB7, 0xC0A880, 0x806840,
                                                0x202020, 0x0000FF, 0xA08860, 0xE0C8A0, 0xF8E0B8};
        QTest::newRow("fixed grey")
            << 3 << true << 2 << QList<quint32>{0xC0C0C0, 0xDFDFDF, 0xFFFFFF, 0x808080, 0x000000,
                                                0,        0,        0x800000, 0xD1ADAD, 0xD8D8D8};
        QTest::newRow("fixed grey, gradient type")
            << 3 << false << 3 << QList<quint32>{0xC0C0C0, 0xDFDFDF, 0xFFFFFF, 0x808080, 0x000000,
                                                 0,        0,        0x800000, 0xD1ADAD, 0xF0F0F0};
        // Parent face 0x604020: R32 G64 B96.
        QTest::newRow("parent colours")
            << 4 << false << 3 << QList<quint32>{0x604020, 0x7F5F3F, 0x8F6F4F, 0x200000, 0x000000,
                                                 0x0000AA, 0x0000AA, 0xFF0000, 0xFFB0B0, 0x787050};
        // The desktop's button roles; an unknown scheme reads them too.
        const QList<quint32> desktop{0x030201, 0x0C0B0A, 0x161514, 0x201F1E, 0x2A2928,
                                     0x060504, 0x060504, 0xFF0000, 0xFFB0B0, 0x333231};
        QTest::newRow("system") << 1 << false << 2 << desktop;
        QTest::newRow("unknown scheme") << 7 << false << 2 << desktop;
    }
    void palette()
    {
        QFETCH(int, scheme);
        QFETCH(bool, softBevel);
        QFETCH(int, buttonType);
        QFETCH(QList<quint32>, expected);
        CmdColorInputs inputs;
        inputs.scheme = Cmd::ColorScheme(scheme);
        inputs.buttonType = Cmd::ButtonType(buttonType);
        inputs.softBevel = softBevel;
        inputs.backColor = 0xE0C8A0;
        inputs.foreColor = 0x202020;
        inputs.foreOver = 0x0000FF;
        inputs.parentBack = 0x604020;
        inputs.parentText = 0x0000AA;
        QPalette desktop = QGuiApplication::palette();
        const QList<std::pair<QPalette::ColorRole, QColor>> roles{
            {QPalette::Button, {1, 2, 3}},      {QPalette::ButtonText, {4, 5, 6}},
            {QPalette::Midlight, {10, 11, 12}}, {QPalette::Light, {20, 21, 22}},
            {QPalette::Mid, {30, 31, 32}},      {QPalette::Shadow, {40, 41, 42}},
            {QPalette::Highlight, {0, 0, 255}}};
        for (const auto &[role, colour] : roles)
            desktop.setColor(QPalette::Active, role, colour);
        QGuiApplication::setPalette(desktop);
        const CmdPalette p = ComputePalette(inputs);
        QGuiApplication::setPalette(QPalette());
        const QList<quint32> found{
            p.FaceColor, p.LightColor,    p.HighlightColor, p.ShadowColor,      p.DarkShadowColor,
            p.TextColor, p.TextOverColor, p.SelectColor,    p.SelectLightColor, p.TypeFaceColor};
        QCOMPARE(found, expected);
    }

    // A 23 pixels high button; area (1,1)-(width-2,21). The caption's top-left, and the
    // picture's, 4 pixels beside it or 2 above or below, or centred.
    void layout_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("position");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("text");
        QTest::addColumn<bool>("blank");
        QTest::addColumn<QPoint>("captionAt");
        QTest::addColumn<QPoint>("pictureAt");
        const auto row = [](const char *name, int width, int position, QSize picture, QSize text,
                            bool blank, QPoint captionAt, QPoint pictureAt) {
            QTest::newRow(name) << width << position << picture << text << blank << captionAt
                                << pictureAt;
        };
        // Right 21, bottom 14: moved by (27, 4).
        row("no picture", 75, 0, {0, 0}, {20, 13}, false, {28, 5}, {});
        row("picture left", 75, 0, {16, 16}, {20, 13}, false, {36, 5}, {16, 3});
        row("picture right", 75, 1, {16, 16}, {20, 13}, false, {18, 5}, {42, 3});
        // Bottom 30: (23 - 30) / 2 truncates to -3.
        row("picture above", 75, 2, {16, 16}, {20, 13}, false, {28, 14}, {29, -4});
        row("picture below", 75, 3, {16, 16}, {20, 13}, false, {28, -4}, {29, 11});
        row("picture behind is centred", 75, 4, {16, 16}, {20, 13}, false, {28, 5}, {29, 3});
        row("blank caption: picture centred", 75, 0, {16, 16}, {20, 13}, true, {36, 5}, {29, 3});
        row("wider than the button", 20, 0, {0, 0}, {30, 13}, false, {-4, 5}, {});
    }
    void layout()
    {
        QFETCH(int, width);
        QFETCH(int, position);
        QFETCH(QSize, picture);
        QFETCH(QSize, text);
        QFETCH(bool, blank);
        QFETCH(QPoint, captionAt);
        QFETCH(QPoint, pictureAt);
        const auto place = Cmd::PicturePosition(position);
        const CmdCaptionBox box = LayoutCaption(width, 23, place, picture, text);
        QCOMPARE(box.TextRect, QRect(captionAt, text));
        QCOMPARE(box.TextRectDown, QRect(captionAt + QPoint(1, 1), text));
        QCOMPARE(QSize(box.TextWidth, box.TextHeight), text);
        if (!picture.isEmpty()) // a button without a picture places none
            QCOMPARE(LayoutPicture(width, 23, place, picture, box, blank), pictureAt);
    }

    void measurePicture_data()
    {
        QTest::addColumn<CmdPicture>("picture");
        QTest::addColumn<QSize>("expected");
        QImage retina(32, 24, QImage::Format_RGB32);
        retina.setDevicePixelRatio(2);
        QTest::newRow("none") << CmdPicture() << QSize(0, 0);
        QTest::newRow("bitmap 16 x 12")
            << CmdPicture::bitmap(QImage(16, 12, QImage::Format_RGB32)) << QSize(16, 12);
        QTest::newRow("bitmap of ratio 2") << CmdPicture::bitmap(retina) << QSize(16, 12);
        QImage square(8, 8, QImage::Format_ARGB32);
        square.fill(Qt::red);
        QTest::newRow("icon at 20 x 18")
            << CmdPicture::icon(QIcon(QPixmap::fromImage(square)), QSize(20, 18)) << QSize(20, 18);
    }
    void measurePicture()
    {
        QFETCH(CmdPicture, picture);
        QFETCH(QSize, expected);
        QCOMPARE(MeasurePicture(picture), expected);
    }

    void focusRectPerType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("standard") << 2 << QRect(4, 4, 67, 15);
        QTest::newRow("type 1") << 1 << QRect(4, 4, 67, 15);
        QTest::newRow("type 7") << 7 << QRect(3, 3, 69, 17);
        QTest::newRow("type 13") << 13 << QRect(3, 3, 69, 17);
        QTest::newRow("type 14 moved") << 14 << QRect(6, 6, 65, 13);
        QTest::newRow("unknown type") << 15 << QRect(4, 4, 67, 15);
    }
    void focusRectPerType()
    {
        QFETCH(int, type);
        QFETCH(QRect, expected);
        QCOMPARE(FocusRectFor(Cmd::ButtonType(type), 75, 23), expected);
    }

    void noFocusMarkInADisabledLook_data()
    {
        QTest::addColumn<int>("type");
        for (int type = 1; type <= 14; ++type)
            QTest::addRow("type %d", type) << type;
    }
    void noFocusMarkInADisabledLook()
    {
        QFETCH(int, type);
        auto draw = [type](bool focused, CmdLookState state) {
            DeviceContext dc;
            dc.resize(40, 20);
            CmdScene scene(dc);
            scene.palette = ComputePalette(CmdColorInputs{.scheme = Cmd::ColorScheme::FixedGrey});
            scene.type = Cmd::ButtonType(type);
            scene.W = 40;
            scene.H = 20;
            scene.hasFocus = focused;
            scene.focusRect = FocusRectFor(scene.type, 40, 20);
            dc.fillRect(0, 0, 40, 20, scene.palette.FaceColor);
            DrawLook(scene, state);
            return dc.image();
        };
        QCOMPARE(draw(true, CmdLookState::Disabled), draw(false, CmdLookState::Disabled));
        // The focus would show in the up look of every type that has a mark there.
        const bool markedWhenUp = type != 2 && type != 4 && type != 10 && type != 13;
        QCOMPARE(draw(true, CmdLookState::Up) != draw(false, CmdLookState::Up), markedWhenUp);
    }
};

QTEST_MAIN(tst_CmdEngine)
#include "tst_CmdEngine.moc"
