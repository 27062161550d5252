#include <QtTest>

#include "controls/display/cmd.h"

namespace
{

QRgb rgb(quint32 hostColour)
{
    return DeviceContext::pixel(hostColour);
}

// A window holding one button at its top-left corner; the button starts without focus.
struct Holder {
    explicit Holder(int type, int scheme, QSize size)
    {
        QPalette colours = window.palette();
        colours.setColor(QPalette::Window, QColor(0x11, 0x22, 0x33));
        colours.setColor(QPalette::WindowText, QColor(0x44, 0x55, 0x66));
        window.setPalette(colours);
        window.setAutoFillBackground(true);
        window.resize(size + QSize(20, 20));
        button = new cmd(&window);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(11);
        button->setFont(font);
        button->letButtonType(Cmd::ButtonType(type));
        button->letColorScheme(Cmd::ColorScheme(scheme));
        button->setGeometry(QRect(QPoint(0, 0), size));
        button->setPointerCheck([this](const cmd &) { return pointerInside; });
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the test window was not shown");
        button->clearFocus();
        if (button->ColorScheme() == Cmd::ColorScheme::Custom) { // faces set on a shown button
            button->letBackColor(0xE0C8A0);
            button->letBackOver(0x00FF00);
        }
        // A new button reports the pointer out once, then waits for a hover.
        if (!QTest::qWaitFor([this] { return !button->hoverTracking(); }))
            qFatal("the new button kept looking for the pointer");
    }

    void hover(QPoint at)
    {
        pointerInside = true;
        QMouseEvent move(QEvent::MouseMove, QPointF(at), button->mapToGlobal(QPointF(at)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(button, &move);
    }
    void focus()
    {
        window.activateWindow();
        button->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(button->hasFocus());
    }
    void leave()
    {
        pointerInside = false;
        QTRY_VERIFY(!button->isOver());
    }
    // The user turns to another window and back.
    void away()
    {
        other.show();
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());
    }
    void back()
    {
        window.activateWindow();
        QTRY_VERIFY(window.isActiveWindow());
    }
    QRgb at(QPoint point) const { return button->surface().pixel(point); }
    // Puts the button in the state a test row names: "up", or steps joined by '+' and
    // taken in this order; "redraw" forces an up drawing, "leave" takes the pointer away,
    // "frame off" and "frame on" disable and enable the window holding the button, "away"
    // and "back" activate another window and this one again, "focus while away" gives the
    // button the focus of its inactive window.
    void enter(const QString &state)
    {
        const QStringList steps = state.split(u'+');
        const QList<std::pair<QString, std::function<void()>>> actions{
            {"toggle", [this] { button->letCheckBoxBehaviour(true); }},
            {"value", [this] { button->letValue(true); }},
            {"default", [this] { button->letDisplayAsDefault(true); }},
            {"focus", [this] { focus(); }},
            {"away", [this] { away(); }},
            {"back", [this] { back(); }},
            {"focus while away", [this] { button->setFocus(Qt::TabFocusReason); }},
            {"hover", [this] { hover(QPoint(button->width() / 2, button->height() / 2)); }},
            {"leave", [this] { leave(); }},
            {"down", [this] { QTest::keyPress(button, Qt::Key_Space); }},
            {"frame off", [this] { window.setEnabled(false); }},
            {"disabled", [this] { button->letEnabled(false); }},
            {"frame on", [this] { window.setEnabled(true); }},
            {"redraw", [this] { button->Redraw(Cmd::DrawState::Up, true); }},
        };
        for (const auto &[step, action] : actions)
            if (steps.contains(step))
                action();
    }

    QWidget window;
    QWidget other;
    bool pointerInside = false;
    cmd *button = nullptr;
};

} // namespace

class tst_cmd : public QObject
{
    Q_OBJECT

private slots:
    void windowShape_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<QPoint>>("cut");
        QTest::addColumn<int>("area");
        const QList<QPoint> corners{{0, 0}, {9, 0}, {0, 5}, {9, 5}};
        const QList<QPoint> rounded{{0, 0}, {1, 0}, {0, 1}, {8, 0}, {9, 0}, {9, 1},
                                    {0, 5}, {1, 5}, {0, 4}, {8, 5}, {9, 5}, {9, 4}};
        QTest::newRow("type 1") << 1 << corners << 56;
        QTest::newRow("type 14") << 14 << corners << 56;
        QTest::newRow("type 3") << 3 << rounded << 48;
        QTest::newRow("type 4") << 4 << rounded << 48;
        QTest::newRow("type 5") << 5 << QList<QPoint>{{0, 5}, {9, 0}} << 58;
        // Rows of the 10 x 6 ellipse: 6, 8, 10, 10, 8, 6 pixels.
        QTest::newRow("type 13") << 13 << QList<QPoint>{{0, 0}, {1, 0}, {0, 1}, {9, 1}, {8, 5}}
                                 << 48;
        for (int type : {2, 6, 7, 8, 9, 10, 11, 12, 15})
            QTest::addRow("type %d", type) << type << QList<QPoint>{} << 60;
    }
    void windowShape()
    {
        QFETCH(int, type);
        QFETCH(QList<QPoint>, cut);
        QFETCH(int, area);
        Holder holder(type, 3, QSize(10, 6));
        const QImage &surface = holder.button->surface();
        QCOMPARE(surface.size(), QSize(10, 6));
        int opaque = 0;
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 10; ++x) {
                const int alpha = qAlpha(surface.pixel(x, y));
                QVERIFY(alpha == 0 || alpha == 255);
                opaque += alpha == 255;
                QCOMPARE(holder.button->mask().contains(QPoint(x, y)), alpha == 255);
            }
        QCOMPARE(opaque, area);
        for (const QPoint &point : cut)
            QCOMPARE(qAlpha(surface.pixel(point)), 0);
    }

    void pixels_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<quint32>("expected");
        const auto row = [](const char *name, int type, int scheme, QSize size, const char *state,
                            QPoint point, quint32 expected) {
            QTest::newRow(name) << type << scheme << size << QString(state) << point << expected;
        };
        const QSize bevel(12, 8);
        const QSize glow(30, 20);
        // Fixed grey: highlight FFFFFF, light DFDFDF, face C0C0C0, shadow 808080, dark
        // shadow 000000. Type 1: a double bevel one pixel in, then the dark box.
        row("1 up: outer top-left", 1, 3, bevel, "up", {1, 1}, 0xFFFFFF);
        row("1 up: outer top-right", 1, 3, bevel, "up", {10, 1}, 0x808080);
        row("1 up: outer bottom-left", 1, 3, bevel, "up", {1, 6}, 0x808080);
        row("1 up: inner top-left", 1, 3, bevel, "up", {2, 2}, 0xFFFFFF);
        row("1 up: inner top-right", 1, 3, bevel, "up", {9, 2}, 0x808080);
        row("1 up: inner bottom-left", 1, 3, bevel, "up", {2, 5}, 0x808080);
        row("1 up: face", 1, 3, bevel, "up", {3, 3}, 0xC0C0C0);
        row("1 up: box", 1, 3, bevel, "up", {11, 3}, 0x000000);
        row("1 down: outer top-left", 1, 3, bevel, "down", {1, 1}, 0x808080);
        row("1 down: outer top-right", 1, 3, bevel, "down", {10, 1}, 0xFFFFFF);
        row("1 down: inner top-right", 1, 3, bevel, "down", {9, 2}, 0xFFFFFF);
        // A toggle that is on draws down even when asked for up.
        row("1 toggle on", 1, 3, bevel, "toggle+value+redraw", {1, 1}, 0x808080);
        row("1 toggle on, hovered", 1, 3, bevel, "toggle+value+hover+redraw", {1, 1}, 0x808080);
        row("1 toggle off", 1, 3, bevel, "toggle+redraw", {1, 1}, 0xFFFFFF);
        row("1 value without toggling", 1, 3, bevel, "value+hover+redraw", {1, 1}, 0xFFFFFF);
        // Type 2 default: the bevel one pixel in, then the dark box at the border.
        row("2 default: box", 2, 3, bevel, "default", {0, 0}, 0x000000);
        row("2 default: top-left", 2, 3, bevel, "default", {1, 1}, 0xFFFFFF);
        row("2 default: top-right", 2, 3, bevel, "default", {10, 1}, 0x000000);
        row("2 default: bottom-left", 2, 3, bevel, "default", {1, 6}, 0x000000);
        row("2 default: inner top-left", 2, 3, bevel, "default", {2, 2}, 0xDFDFDF);
        row("2 default: inner right", 2, 3, bevel, "default", {9, 3}, 0x808080);
        row("2 default: face", 2, 3, bevel, "default", {3, 3}, 0xC0C0C0);
        row("2 plain: top-left", 2, 3, bevel, "up", {0, 0}, 0xFFFFFF);
        row("2 plain: top-right", 2, 3, bevel, "up", {11, 0}, 0x000000);
        row("2 plain: inner top-left", 2, 3, bevel, "up", {1, 1}, 0xDFDFDF);
        row("2 plain: inner bottom-left", 2, 3, bevel, "up", {1, 6}, 0x808080);
        row("2 plain: face", 2, 3, bevel, "up", {2, 2}, 0xC0C0C0);
        row("2 default down: box", 2, 3, bevel, "default+down", {11, 7}, 0x000000);
        row("2 default down: inner box", 2, 3, bevel, "default+down", {1, 1}, 0x808080);
        row("2 default down: face", 2, 3, bevel, "default+down", {2, 2}, 0xC0C0C0);
        row("2 plain down: top-left", 2, 3, bevel, "down", {0, 0}, 0x000000);
        row("2 plain down: top-right", 2, 3, bevel, "down", {11, 0}, 0xFFFFFF);
        row("2 plain down: inner right", 2, 3, bevel, "down", {10, 3}, 0xDFDFDF);
        // Type 3, fixed grey: the gradient base is F0F0F0; row i is shifted by round(-1.25 i)
        // with blue moved by blue × amount / 192.
        row("3 row 3: -3.75 to -4", 3, 3, glow, "up", {15, 3}, 0xEBECEC);
        row("3 row 6: -7.5 to -8", 3, 3, glow, "up", {15, 6}, 0xE6E8E8);
        row("3 row 10: -12.5 to -12", 3, 3, glow, "up", {15, 10}, 0xE1E4E4);
        row("3 dark frame", 3, 3, glow, "up", {15, 0}, 0x733C00);
        row("3 corner top-left", 3, 3, glow, "up", {1, 1}, 0x7B4D10);
        row("3 corner bottom-right", 3, 3, glow, "up", {28, 18}, 0x7B4D10);
        row("3 top line +16", 3, 3, glow, "up", {15, 1}, 0xFFFFFF);
        row("3 second top +10", 3, 3, glow, "up", {15, 2}, 0xFCFAFA);
        row("3 bottom -48", 3, 3, glow, "up", {15, 18}, 0xB4C0C0);
        row("3 second bottom -32", 3, 3, glow, "up", {15, 17}, 0xC8D0D0);
        row("3 right -36", 3, 3, glow, "up", {28, 10}, 0xC3CCCC);
        row("3 second right -24", 3, 3, glow, "up", {27, 10}, 0xD2D8D8);
        row("3 left -5", 3, 3, glow, "up", {1, 10}, 0xEAEBEB);
        row("3 second left -10, drawn last", 3, 3, glow, "up", {2, 2}, 0xE4E6E6);
        row("3 hover: bottom amber", 3, 3, glow, "hover", {15, 18}, 0x0096E7);
        row("3 hover: top", 3, 3, glow, "hover", {15, 1}, 0xCEF3FF);
        row("3 hover: second top", 3, 3, glow, "hover", {15, 2}, 0x8CDBFF);
        row("3 hover: second left", 3, 3, glow, "hover", {2, 10}, 0x6BCBFF);
        row("3 hover: no right line", 3, 3, glow, "hover", {28, 10}, 0xE1E4E4);
        // Row 17 without its second bottom line: -21.25 to -21.
        row("3 hover: gradient row 17", 3, 3, glow, "hover", {15, 17}, 0xD6DBDB);
        row("3 focus: glow box", 3, 3, glow, "focus", {1, 10}, 0xE7AE8C);
        row("3 focus, another window active: glow box stays", 3, 3, glow, "focus+away", {1, 10},
            0xE7AE8C);
        row("3 focus, window active again: glow box", 3, 3, glow, "focus+away+back", {1, 10},
            0xE7AE8C);
        row("3 focused while another window is active, then back: glow box", 3, 3, glow,
            "away+focus while away+back", {1, 10}, 0xE7AE8C);
        row("3 focus: glow box bottom", 3, 3, glow, "focus", {15, 17}, 0xE7AE8C);
        row("3 focus: bottom", 3, 3, glow, "focus", {15, 18}, 0xEF826B);
        row("3 focus: second top", 3, 3, glow, "focus", {15, 2}, 0xF7D7BD);
        row("3 focus: second left", 3, 3, glow, "focus", {2, 10}, 0xF0D1B5);
        row("3 focus and hover: amber bottom", 3, 3, glow, "focus+hover", {15, 18}, 0x0096E7);
        row("3 focus and hover: blue box stays", 3, 3, glow, "focus+hover", {1, 10}, 0xE7AE8C);
        // Down: base C8D0D0, rows from the bottom; row 10 is i = 10, shifted by -12.
        row("3 down: row 10", 3, 3, glow, "down", {15, 10}, 0xBCC4C4);
        row("3 down: bottom +16", 3, 3, glow, "down", {15, 18}, 0xD8E0E0);
        row("3 down: second right is the base colour", 3, 3, glow, "down", {27, 10}, 0xF0F0F0);
        row("3 down: top -32", 3, 3, glow, "down", {15, 1}, 0xA7B0B0);
        row("3 disabled: face", 3, 3, glow, "disabled", {15, 10}, 0xD2D8D8);
        row("3 disabled: frame", 3, 3, glow, "disabled", {15, 0}, 0x879C9C);
        row("3 disabled: corner", 3, 3, glow, "disabled", {1, 1}, 0x96A8A8);
        // Custom: back E0C8A0, back-over 00FF00. Type 7's top edge is the highlight, face
        // + 47: FFF7CF, and under the pointer 2FFF2F.
        row("10 custom face", 10, 2, {20, 10}, "up", {5, 5}, 0xE0C8A0);
        row("10 custom face hovered", 10, 2, {20, 10}, "hover", {5, 5}, 0x00FF00);
        row("10 custom face, pointer gone", 10, 2, {20, 10}, "hover+leave", {5, 5}, 0xE0C8A0);
        row("7 custom highlight", 7, 2, {20, 10}, "up", {3, 0}, 0xFFF7CF);
        row("7 custom highlight hovered", 7, 2, {20, 10}, "hover", {3, 0}, 0x2FFF2F);
        row("7 custom highlight, pointer gone", 7, 2, {20, 10}, "hover+leave", {3, 0}, 0xFFF7CF);
        // The holder's background is 112233 (host 332211).
        row("10 parent colours face", 10, 4, {20, 10}, "up", {10, 5}, 0x332211);
        row("11 shows the captured background", 11, 3, {20, 10}, "up", {10, 5}, 0x332211);
        row("10 keeps its own face", 10, 3, {20, 10}, "up", {10, 5}, 0xC0C0C0);
    }
    void pixels()
    {
        QFETCH(int, type);
        QFETCH(int, scheme);
        QFETCH(QSize, size);
        QFETCH(QString, state);
        QFETCH(QPoint, point);
        QFETCH(quint32, expected);
        Holder holder(type, scheme, size);
        holder.enter(state);
        QCOMPARE(holder.at(point), rgb(expected));
        // The parent's text colour (445566, host 665544) comes with its face.
        if (scheme == int(Cmd::ColorScheme::ParentColors))
            QCOMPARE(holder.button->buttonPalette().TextColor, 0x665544u);
    }

    void dottedFocusOutline_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QRect>("outline");
        // 40 x 20: shrunk by 4, by 3 for types 7 to 13, by 5 and moved (1, 1) for 14.
        QTest::newRow("type 1") << 1 << QRect(4, 4, 32, 12);
        QTest::newRow("type 7") << 7 << QRect(3, 3, 34, 14);
        QTest::newRow("type 14") << 14 << QRect(6, 6, 30, 10);
    }
    void dottedFocusOutline()
    {
        QFETCH(int, type);
        QFETCH(QRect, outline);
        Holder holder(type, 3, QSize(40, 20));
        const QImage unfocused = holder.button->surface();
        holder.focus();
        const QImage focused = holder.button->surface();
        const int phase = (outline.right() + outline.top()) & 1;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 40; ++x) {
                const bool onOutline =
                    outline.contains(x, y) && !outline.adjusted(1, 1, -1, -1).contains(x, y);
                const bool inverted = onOutline && ((x + y) & 1) == phase;
                const QRgb before = unfocused.pixel(x, y);
                QCOMPARE(focused.pixel(x, y), inverted ? (before ^ 0x00FFFFFF) : before);
            }
        }
    }

    void tintedFlatFocusBoxesTheCaption()
    {
        Holder holder(5, 3, QSize(75, 23));
        holder.button->letCaption(QStringLiteral("OK"));
        holder.focus();
        const CmdCaptionBox &box = holder.button->captionBox();
        const QPoint corner = box.TextRect.topLeft() - QPoint(2, 1);
        QCOMPARE(holder.at(corner), rgb(0xCC9999));
        QCOMPARE(holder.at(corner + QPoint(box.TextWidth + 3, box.TextHeight + 1)), rgb(0xCC9999));
    }

    // The colours a part of the button shows besides its background: around the caption,
    // or anywhere for the looks that draw their face alone.
    void colours_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("effect");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<quint32>("background");
        QTest::addColumn<QList<quint32>>("colours");
        // Fixed grey: text 000000, highlight FFFFFF, shadow 808080, face C0C0C0; the
        // effects shift the face by 40 either way: E8E8E8 and 989898.
        QTest::newRow("up") << 1 << "up" << 0 << false << 0xC0C0C0u << QList<quint32>{0x000000};
        QTest::newRow("disabled, engraved")
            << 1 << "disabled" << 0 << false << 0xC0C0C0u << QList<quint32>{0x808080, 0xFFFFFF};
        QTest::newRow("disabled, flat")
            << 5 << "disabled" << 0 << false << 0xC0C0C0u << QList<quint32>{0x808080};
        // Enabled is the button's own setting, whatever its window's state.
        QTest::newRow("in a disabled frame")
            << 1 << "frame off" << 0 << false << 0xC0C0C0u << QList<quint32>{0x000000};
        QTest::newRow("disabled in a disabled frame, frame enabled again")
            << 1 << "frame off+disabled+frame on" << 0 << false << 0xC0C0C0u
            << QList<quint32>{0x808080, 0xFFFFFF};
        // Pressed type 4: a light caption on the shadow darkened by 16.
        QTest::newRow("type 4 down")
            << 4 << "down" << 0 << false << 0x707070u << QList<quint32>{0xDFDFDF};
        QTest::newRow("raised") << 1 << "up" << 1 << false << 0xC0C0C0u
                                << QList<quint32>{0x000000, 0x989898, 0xE8E8E8};
        QTest::newRow("engraved, down") << 1 << "down" << 2 << false << 0xC0C0C0u
                                        << QList<quint32>{0x000000, 0x989898, 0xE8E8E8};
        QTest::newRow("shadow") << 7 << "up" << 3 << false << 0xC0C0C0u
                                << QList<quint32>{0x000000, 0x989898};
        // Focused too: neither caption nor focus mark shows.
        for (int type : {10, 0, 15, -3})
            for (const char *state : {"up", "hover", "down", "disabled"})
                QTest::addRow("type %d %s: face only", type, state)
                    << type << QStringLiteral("focus+%1").arg(state) << 0 << true << 0xC0C0C0u
                    << QList<quint32>{};
    }
    void colours()
    {
        QFETCH(int, type);
        QFETCH(QString, state);
        QFETCH(int, effect);
        QFETCH(bool, whole);
        QFETCH(quint32, background);
        QFETCH(QList<quint32>, colours);
        // Tall enough that no frame line comes near the caption.
        Holder holder(type, 3, QSize(75, 31));
        holder.button->letCaption(QStringLiteral("&OK"));
        holder.button->letSpecialEffect(Cmd::SpecialEffect(effect));
        holder.enter(state);
        const CmdCaptionBox &box = holder.button->captionBox();
        const QRect area = whole ? holder.button->rect()
                                 : box.TextRect.united(box.TextRectDown).adjusted(-1, -1, 1, 1);
        QSet<QRgb> found;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                found += holder.at(QPoint(x, y));
        found -= rgb(background);
        QSet<QRgb> expected;
        for (quint32 colour : colours)
            expected += rgb(colour);
        QCOMPARE(found, expected);
        QCOMPARE(holder.button->Enabled(), !state.contains("disabled"));
    }

    // Assignments, in order, and the pointer they leave: the hand sets the pointer and its
    // icon, and taking it away leaves the arrow, which a later pointer replaces.
    void pointer_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("pointer");
        QTest::addColumn<bool>("icon");
        QTest::addColumn<int>("shape");
        QTest::newRow("own pointer") << QStringList{"wait"} << 11 << false << int(Qt::WaitCursor);
        QTest::newRow("hand") << QStringList{"wait", "hand"} << 99 << true
                              << int(Qt::BitmapCursor);
        QTest::newRow("hand taken away")
            << QStringList{"wait", "hand", "no hand"} << 1 << false << int(Qt::ArrowCursor);
        QTest::newRow("same pointer after the hand")
            << QStringList{"wait", "hand", "no hand", "wait"} << 11 << false
            << int(Qt::WaitCursor);
    }
    void pointer()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, pointer);
        QFETCH(bool, icon);
        QFETCH(int, shape);
        cmd button;
        QSignalSpy pointerChanges(&button, &cmd::MousePointerChanged);
        const QHash<QString, std::function<void()>> actions{
            {"wait", [&] { button.letMousePointer(11); }},
            {"hand", [&] { button.letHandPointer(true); }},
            {"no hand", [&] { button.letHandPointer(false); }},
        };
        for (const QString &step : steps)
            actions.value(step)();
        QCOMPARE(button.MousePointer(), pointer);
        QCOMPARE(!button.MouseIcon().isNull(), icon);
        QCOMPARE(int(button.cursor().shape()), shape);
        QCOMPARE(pointerChanges.count(), steps.size());
    }

    void redrawOnlyOnChange_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<int>>("paints"); // drawings made by each step
        QTest::newRow("same state again")
            << QStringList{"up", "down", "down", "up", "up"} << QList<int>{0, 1, 0, 1, 0};
        QTest::newRow("forced") << QStringList{"force up", "force up"} << QList<int>{1, 1};
        QTest::newRow("caption change")
            << QStringList{"caption", "up", "caption"} << QList<int>{1, 0, 0};
        QTest::newRow("hover moves")
            << QStringList{"move", "move", "move", "leave", "leave"} << QList<int>{1, 0, 0, 1, 0};
        QTest::newRow("space key")
            << QStringList{"space down", "space down", "space up"} << QList<int>{1, 0, 1};
        QTest::newRow("unchanged property")
            << QStringList{"same scheme", "same effect"} << QList<int>{0, 0};
        QTest::newRow("hidden") << QStringList{"disable refresh", "down",
                                               "caption",         "type",
                                               "back colour",     "custom scheme",
                                               "raised",          "toggle",
                                               "value",           "refresh"}
                                << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    }
    void redrawOnlyOnChange()
    {
        QFETCH(QStringList, steps);
        QFETCH(QList<int>, paints);
        Holder holder(1, 3, QSize(40, 20));
        cmd &button = *holder.button;
        const QHash<QString, std::function<void()>> actions{
            {"up", [&] { button.Redraw(Cmd::DrawState::Up, false); }},
            {"down", [&] { button.Redraw(Cmd::DrawState::Down, false); }},
            {"force up", [&] { button.Redraw(Cmd::DrawState::Up, true); }},
            {"caption", [&] { button.letCaption(QStringLiteral("Go")); }},
            {"move", [&] { holder.hover(QPoint(10 + button.paintCount() % 7, 8)); }},
            {"leave", [&] { holder.leave(); }},
            {"space down", [&] { QTest::keyPress(&button, Qt::Key_Space); }},
            {"space up", [&] { QTest::keyRelease(&button, Qt::Key_Space); }},
            {"same scheme", [&] { button.letColorScheme(Cmd::ColorScheme::FixedGrey); }},
            {"same effect", [&] { button.letSpecialEffect(Cmd::SpecialEffect::None); }},
            {"type", [&] { button.letButtonType(Cmd::ButtonType::Oval); }},
            {"back colour", [&] { button.letBackColor(0x102030); }},
            {"custom scheme", [&] { button.letColorScheme(Cmd::ColorScheme::Custom); }},
            {"raised", [&] { button.letSpecialEffect(Cmd::SpecialEffect::Raised); }},
            {"toggle", [&] { button.letCheckBoxBehaviour(true); }},
            {"value", [&] { button.letValue(true); }},
            {"disable refresh", [&] { button.DisableRefresh(); }},
            {"refresh", [&] { button.Refresh(); }},
        };
        for (int i = 0; i < steps.size(); ++i) {
            const int before = button.paintCount();
            actions.value(steps[i])();
            QCOMPARE(button.paintCount() - before, paints[i]);
        }
    }
};

QTEST_MAIN(tst_cmd)
#include "tst_cmd.moc"
