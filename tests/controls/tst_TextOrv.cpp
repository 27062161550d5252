#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include "ControlForm.h"
#include "MessageBoxWatcher.h"
#include "controls/input/TextOrv.h"
#include "controls/input/TextOrvLimit.h"
#include "platform/HostColor.h"
#include "platform/PropertyBag.h"

namespace
{

// A form holding one TextOrv ("Txt").
struct TextOrvForm : ControlForm<TextOrv> {
    TextOrvForm() : ControlForm<TextOrv>("Txt", QSize(120, 24)), txt(control) {}
    TextOrv *const txt;
};

// How the form treats the box: it may change keys in KeyPress (x and Ctrl+V to nothing, o to
// 0, ! to Enter), having perhaps loaded the box locked (read-only, yet it takes the focus).
enum class Host { Quiet, ChangesKeys, ChangesKeysLocked };

// Puts `text` in the box with the caret at its end, or at a "|" in it, or selecting what
// "[]" encloses.
void place(QLineEdit *box, QString text)
{
    const qsizetype caret = text.indexOf('|'), open = text.indexOf('['), close = text.indexOf(']');
    box->setText(text.remove(QRegularExpression(R"([|\[\]])")));
    if (caret >= 0)
        box->setCursorPosition(int(caret));
    if (open >= 0)
        box->setSelection(int(open), int(close - open - 1));
}

// Another window becomes active, `meanwhile` runs, and the form's window is active again
// with the box focused.
void awayAndBack(TextOrvForm &form, const std::function<void()> &meanwhile)
{
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    meanwhile();
    form.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form.window));
    QVERIFY(form.txt->Text1()->hasFocus());
}

// The focus arrives with the window's activation, as it does in the first box of a window
// just shown: the box takes the focus while another window is active.
void enterByActivation(TextOrvForm &form)
{
    awayAndBack(form, [&form] { form.txt->setFocus(); });
}

} // namespace

Q_DECLARE_METATYPE(Host)

class tst_TextOrv : public QObject
{
    Q_OBJECT

private slots:
    void typing_data()
    {
        QTest::addColumn<Host>("host");
        QTest::addColumn<int>("textType");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("initial");
        QTest::addColumn<TextRoute>("route");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("message");
        const QString anyRange = TextOrvLimit::defaultLimit;
        const TextRoute keys = TextRoute::Keys, altGr = TextRoute::AltGr;
        const TextRoute ime = TextRoute::InputMethod, ctrlV = TextRoute::CtrlV;
        const TextRoute shiftInsert = TextRoute::ShiftInsert, menu = TextRoute::MenuPaste;
        const auto row = [](const char *name, int textType, const QString &limit, int maxLength,
                            const QString &initial, TextRoute route, const QString &keys,
                            const QString &expected, Host host = Host::Quiet,
                            const QString &message = {}) {
            QTest::newRow(name) << host << textType << limit << maxLength << initial << route
                                << keys << expected << message;
        };
        const auto hostRow = [&](const char *name, Host host, int textType, TextRoute route,
                                 const QString &keys, const QString &expected) {
            row(name, textType, anyRange, 0, "", route, keys, expected, host);
        };
        row("range 0:100 refuses 105", 1, "0:100", 0, "10", keys, "5", "10");
        row("range 0:100 takes 100", 1, "0:100", 0, "10", keys, "0", "100");
        row("one decimal point", 1, anyRange, 0, "", keys, "-12.5.3", "-12.53");
        row("point refused over a selected point", 1, anyRange, 0, "1[.5]", keys, ".", "1.5");
        row("minus at caret 0", 1, anyRange, 0, "|-5", keys, "-", "--5");
        row("minus after caret 0", 1, anyRange, 0, "-5", keys, "-", "-5");
        row("Backspace refused over the top", 1, "0:100", 0, "150", keys, "\b", "150");
        row("Backspace in range", 1, "0:100", 0, "15", keys, "\b", "1");
        row("Enter moves on and inserts nothing", 1, anyRange, 0, "", keys, "12\r", "12.00");
        row("integer refuses point and hash", 2, anyRange, 0, "", keys, "12.5#", "125");
        row("digit string", 4, anyRange, 0, "", keys, "98a7-6", "9876");
        row("date characters", 3, anyRange, 0, "", keys, "5.6/24-x", "5.6/24-");
        row("free text", 0, anyRange, 0, "", keys, "Ab#1", "Ab#1");

        row("AltGr brace refused by a digit string", 4, anyRange, 0, "", altGr, "1{2", "12");
        row("AltGr characters in free text", 0, anyRange, 0, "", altGr, "{\u20ac", "{\u20ac");
        row("input method commit filtered by a digit string", 4, anyRange, 0, "", ime, "1\u00e92",
            "12");
        row("input method commit in free text", 0, anyRange, 0, "a", ime, "\u00e9\U0001F600",
            "a\u00e9\U0001F600");
        row("dropped text refused", 0, anyRange, 0, "", TextRoute::Drop, "ab", "");

        row("typing stops at MaxLength", 0, anyRange, 3, "", keys, "abcd", "abc");
        row("input method stops at MaxLength", 0, anyRange, 3, "", ime, "abcd", "abc");
        row("a text past MaxLength takes no more", 0, anyRange, 3, "abcd", keys, "e", "abcd");

        // Pasted text is normalised for the type, and the caret ends after it.
        row("Ctrl+V, integer 12abc", 2, anyRange, 0, "", ctrlV, "12abc", "12");
        row("Ctrl+V, digit string 0042x", 4, anyRange, 0, "", ctrlV, "0042x", "0042");
        row("Ctrl+V, free text untouched", 0, anyRange, 0, "", ctrlV, "ab cd", "ab cd");
        row("Shift+Insert, integer 12abc", 2, anyRange, 0, "", shiftInsert, "12abc", "12");
        row("menu, digit string 0042x", 4, anyRange, 0, "", menu, "0042x", "0042");
        row("Ctrl+V stops at MaxLength", 0, anyRange, 4, "", ctrlV, "abcdef", "abcd");
        row("menu paste stops at MaxLength", 0, anyRange, 4, "", menu, "abcdef", "abcd");

        // Leaving applies the type's rules (their cases are tst_TextOrvNormaliser's) and
        // warns of a value outside the limit.
        const Host quiet = Host::Quiet;
        row("leaving under 10:20", 1, "10:20", 0, "5", keys, "\t", "10.00", quiet,
            "Your input limit is '10:20'");
        row("leaving over 0:100", 1, "0:100", 0, "105", keys, "\t", "100.00", quiet,
            "Your input limit is '0:100'");
        row("leaving floors an integer", 2, anyRange, 0, "-2.5", keys, "\t", "-3");
        row("leaving empties a lone 0", 4, anyRange, 0, "0", keys, "\t", "");
        row("leaving in proper case", 0, anyRange, 0, "new delhi (south).gate", keys, "\t",
            "New Delhi (South).Gate");
        row("leaving a decimal wider than MaxLength", 1, anyRange, 6, "12345", keys, "\t",
            "12345.00");
        row("leaving a date wider than MaxLength", 3, anyRange, 8, "5/6/24", keys, "\t",
            "05/06/2024");

        // The form changes a key before the filter sees it.
        const Host changes = Host::ChangesKeys, locked = Host::ChangesKeysLocked;
        hostRow("form: x zeroed", changes, 0, keys, "axb", "ab");
        hostRow("form: o turned into a digit the filter takes", changes, 4, keys, "1o2", "102");
        hostRow("form: Enter made by the form moves on", changes, 0, keys, "a!", "A");
        hostRow("form, input method: x zeroed", changes, 0, ime, "axb", "ab");
        hostRow("form, AltGr: o turned into a digit", changes, 4, altGr, "1o", "10");
        hostRow("form refuses Ctrl+V", changes, 0, ctrlV, "abc", "");
        hostRow("form refuses Shift+Insert", changes, 0, shiftInsert, "abc", "");
        hostRow("form refuses menu paste", changes, 0, menu, "abc", "");
        hostRow("locked: a digit made by the form is not typed", locked, 0, keys, "1o2", "");
        hostRow("locked: Enter made by the form moves on", locked, 0, keys, "a!", "");
    }
    void typing()
    {
        QFETCH(Host, host);
        QFETCH(int, textType);
        QFETCH(QString, limit);
        QFETCH(int, maxLength);
        QFETCH(QString, initial);
        QFETCH(TextRoute, route);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        TextOrvForm form;
        if (host == Host::ChangesKeysLocked) {
            form.store.WriteProperty("Locked", true);
            form.load();
        }
        form.txt->letTextType(textType);
        form.txt->letTextLimit(limit);
        form.txt->letMaxLength(maxLength);
        if (host != Host::Quiet)
            connect(form.txt, &TextOrv::KeyPress, form.txt, [](short &keyAscii) {
                if (keyAscii == 'x' || keyAscii == 22)
                    keyAscii = 0;
                else if (keyAscii == 'o')
                    keyAscii = '0';
                else if (keyAscii == '!')
                    keyAscii = 13;
            });
        form.enter();
        QVERIFY(form.txt->Text1()->hasFocus());
        place(form.txt->Text1(), initial);
        MessageBoxWatcher watcher;
        deliverText(form.txt->Text1(), route, keys);
        QCOMPARE(form.txt->Text(), expected);
        // Tab and Enter move on, Enter whether typed or made by the form. Without a window
        // manager nothing reactivates the form after a message box, so the form's own focus
        // widget tells where the focus went.
        const bool movesOn = keys.endsWith('\t') || keys.endsWith('\r') || keys.endsWith('!');
        QCOMPARE(form.window.focusWidget() == form.next, movesOn);
        QCOMPARE(watcher.messages().size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(watcher.single().text, message);
            QCOMPARE(watcher.single().icon, QMessageBox::Warning);
            QCOMPARE(watcher.single().title, QString("Velmo IT"));
        }
        if (initial.isEmpty())
            QCOMPARE(form.txt->Text1()->cursorPosition(), int(expected.size()));
    }

    void keyEventsCarryHostCodes()
    {
        TextOrvForm form;
        QList<QPair<short, short>> downs, ups;
        const auto record = [](QList<QPair<short, short>> &into) {
            return [&into](short &code, short &shift) {
                if (code != 16 && code != 17) // Shift and Ctrl themselves
                    into.append({code, shift});
            };
        };
        connect(form.txt, &TextOrv::KeyDown, form.txt, record(downs));
        connect(form.txt, &TextOrv::KeyUp, form.txt, record(ups));
        form.enter();
        QTest::keyClick(form.txt->Text1(), Qt::Key_A, Qt::ShiftModifier);
        QTest::keyClick(form.txt->Text1(), Qt::Key_Left, Qt::ControlModifier);
        const QList<QPair<short, short>> expected = {{short(65), short(1)}, {short(37), short(2)}};
        QCOMPARE(downs, expected);
        QCOMPARE(ups, expected);
    }

    void mouseDownInTwips()
    {
        TextOrvForm form;
        short button = 0;
        float x = -1;
        connect(form.txt, &TextOrv::MouseDown, form.txt,
                [&](short &b, short &, float &mouseX, float &) {
                    button = b;
                    x = mouseX;
                });
        QTest::mouseClick(form.txt->Text1(), Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(button, short(1));
        QCOMPARE(x, float(10 * 1440 / form.txt->logicalDpiX()));
    }

    void zeroValueEmptiedOnEntry_data()
    {
        QTest::addColumn<int>("textType");
        QTest::addColumn<bool>("byActivation");
        QTest::addColumn<QString>("shownAfterLeaving");
        QTest::newRow("decimal") << 1 << false << "0.00";
        QTest::newRow("integer") << 2 << false << "0";
        QTest::newRow("decimal, entered by activation") << 1 << true << "0.00";
        QTest::newRow("integer, entered by activation") << 2 << true << "0";
    }
    void zeroValueEmptiedOnEntry()
    {
        QFETCH(int, textType);
        QFETCH(bool, byActivation);
        QFETCH(QString, shownAfterLeaving);
        TextOrvForm form;
        form.txt->letTextType(textType);
        form.enter();
        form.leave();
        QCOMPARE(form.txt->Text(), shownAfterLeaving);
        if (byActivation)
            enterByActivation(form);
        else
            form.enter();
        QCOMPARE(form.txt->Text(), QString());
    }

    void windowSwitchNeitherLeavesNorEnters()
    {
        TextOrvForm form;
        form.txt->letTextType(1);
        form.enter();
        QTest::keyClicks(form.txt->Text1(), "0");
        awayAndBack(form, [&form] { QCOMPARE(form.txt->Text(), QString("0")); });
        QCOMPARE(form.txt->Text(), QString("0"));
        form.leave();
        QCOMPARE(form.txt->Text(), QString("0.00"));
    }

    void maskCharacterShowsFromTheStart()
    {
        const QString mask = "#";
        QWidget window;
        auto *txt = new TextOrv(&window);
        txt->letPasswordChar(mask);
        txt->letText("abc");
        QCOMPARE(txt->Text1()->displayText(), mask.repeated(3));
        window.show();
        txt->setFocus();
        QCOMPARE(txt->Text1()->displayText(), mask.repeated(3));
    }

    void standardStyleFocusLook_data()
    {
        QTest::addColumn<bool>("byActivation");
        QTest::newRow("entered by Tab") << false;
        QTest::newRow("entered by activation") << true;
    }
    // An error turns the frame red with its text as the tooltip; entering shows the focus
    // colour, and clearing the error the system colour at once.
    void standardStyleFocusLook()
    {
        QFETCH(bool, byActivation);
        TextOrvForm form;
        const TextOrvFrame &shape = form.txt->Shape();
        form.txt->letStyle(OrvInput::Style::Standard);
        form.txt->letText("abc");
        if (byActivation)
            enterByActivation(form);
        else
            form.enter();
        QCOMPARE(shape.shapeColour(), quint32(HostColor::rgb(190, 216, 244)));
        QCOMPARE(shape.shapeWidth(), 4);
        QVERIFY(form.txt->Text1()->font().bold());
        QCOMPARE(form.txt->Text1()->selectedText(), QString("abc"));
        form.leave();
        QCOMPARE(shape.shapeColour(), quint32(0x80000000));
        QCOMPARE(shape.shapeWidth(), 4);
        QVERIFY(!form.txt->Text1()->font().bold());
        QCOMPARE(form.txt->innerBackground(), HostColor::rgb(255, 255, 255));

        form.txt->letErrorFlag("Enter the mobile number");
        QCOMPARE(shape.shapeColour(), quint32(0xFF));
        QCOMPARE(shape.shapeWidth(), 4);
        QCOMPARE(form.txt->Text1()->toolTip(), QString("Enter the mobile number"));
        QCOMPARE(form.txt->grab().toImage().pixelColor(0, 10), QColor(255, 0, 0));
        form.enter();
        QCOMPARE(shape.shapeColour(), quint32(HostColor::rgb(190, 216, 244)));
        form.txt->letErrorFlag(QString());
        QCOMPARE(shape.shapeColour(), quint32(0x80000000));
        QCOMPARE(form.txt->Text1()->toolTip(), QString());
    }

    void flatStyleFrameFollowsFocusAndError()
    {
        TextOrvForm form;
        form.txt->letStyle(OrvInput::Style::Flat);
        form.txt->letBorderColorFocus(HostColor::rgb(0, 200, 0));
        form.txt->letText("abc");
        form.enter();
        QCOMPARE(edgeColours(*form.txt), QList<QColor>(4, QColor(0, 200, 0)));
        QVERIFY(!form.txt->Text1()->font().bold());
        QCOMPARE(form.txt->Text1()->selectedText(), QString("abc"));
        form.leave();
        QCOMPARE(edgeColours(*form.txt), QList<QColor>(4, QColor(127, 157, 185)));
        // An error shows on the flat frame too, until it is cleared.
        form.txt->letErrorFlag("Wrong");
        QCOMPARE(edgeColours(*form.txt), QList<QColor>(4, QColor(255, 0, 0)));
        form.txt->letErrorFlag(QString());
        QCOMPARE(edgeColours(*form.txt), QList<QColor>(4, QColor(127, 157, 185)));
    }

    void values_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QString &text, const QString &expected) {
            QTest::newRow(name) << text << expected;
        };
        row("quote and backslash", "O'Brien\\x", "O''Brien\\\\x");
        row("quotes are doubled before backslashes", "a\\'b", "a\\\\''b");
        row("plain", "abc", "abc");
    }
    void values()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        TextOrv txt;
        txt.letText(text);
        QCOMPARE(txt.Values(), expected);
    }

    void assigningTextTypeNormalisesAndAligns_data()
    {
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("initial");
        QTest::addColumn<int>("textType");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("alignment");
        const auto row = [](const char *name, int maxLength, const QString &initial, int textType,
                            const QString &expected, int alignment) {
            QTest::newRow(name) << maxLength << initial << textType << expected << alignment;
        };
        row("empty digit string becomes 0", 0, "", 4, "0", 0);
        row("decimal", 0, "7", 1, "7.00", 1);
        row("integer floors", 0, "-2.5", 2, "-3", 1);
        row("date", 0, "5-6-24", 3, "05/06/2024", 1);
        row("free text left alone", 0, "abc", 0, "abc", 0);
        row("date wider than MaxLength", 8, "5-6-24", 3, "05/06/2024", 1);
        row("assigned text wider than MaxLength", 3, "abcdef", 0, "abcdef", 0);
    }
    void assigningTextTypeNormalisesAndAligns()
    {
        QFETCH(int, maxLength);
        QFETCH(QString, initial);
        QFETCH(int, textType);
        QFETCH(QString, expected);
        QFETCH(int, alignment);
        TextOrv txt;
        txt.letAlignment(Orv::Alignment::Center);
        txt.letMaxLength(maxLength);
        txt.letText(initial);
        txt.letTextType(textType);
        QCOMPARE(txt.Text(), expected);
        QCOMPARE(txt.Alignment(), Orv::Alignment(alignment));
    }

    void assigningTextLimit_data()
    {
        QTest::addColumn<int>("textType");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("storedLimit");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, int textType, const QString &limit,
                            const QString &storedLimit, const QString &expected) {
            QTest::newRow(name) << textType << limit << storedLimit << expected;
        };
        row("decimal clamped", 1, "0:100.50", "0:100.5", "100.50");
        row("integer clamped", 2, "0:100", "0:100", "100");
        row("no colon leaves text", 2, "100", TextOrvLimit::defaultLimit, "150");
        row("digit string untouched", 4, "0:100", "0:100", "150");
    }
    void assigningTextLimit()
    {
        QFETCH(int, textType);
        QFETCH(QString, limit);
        QFETCH(QString, storedLimit);
        QFETCH(QString, expected);
        TextOrv txt;
        txt.letTextType(textType);
        txt.letText("150");
        txt.letTextLimit(limit);
        QCOMPARE(txt.TextLimit(), storedLimit);
        QCOMPARE(txt.Text(), expected);
    }

    void borderColorMakesTheInnerBoxFlat()
    {
        TextOrv txt;
        txt.letStyle(OrvInput::Style::Standard);
        QVERIFY(txt.Border());
        txt.letBorderColor(HostColor::rgb(1, 2, 3));
        QVERIFY(!txt.Border());
        QCOMPARE(txt.Appearance(), OrvInput::Appearance::Flat);
        QVERIFY(txt.Shape().linesDrawn());
        QCOMPARE(txt.Shape().lineColour(), HostColor::rgb(1, 2, 3));
    }

    void borderAndAppearanceIgnoredWhenFlat()
    {
        TextOrv txt;
        txt.letStyle(OrvInput::Style::Flat);
        txt.letBorder(true);
        txt.letAppearance(OrvInput::Appearance::ThreeD);
        QVERIFY(!txt.Border());
        QCOMPARE(txt.Appearance(), OrvInput::Appearance::Flat);
    }

    // Locked by assignment it takes no focus; loaded locked from the store it still does.
    void lockedControl_data()
    {
        QTest::addColumn<bool>("loaded");
        QTest::newRow("assigned") << false;
        QTest::newRow("loaded") << true;
    }
    void lockedControl()
    {
        QFETCH(bool, loaded);
        TextOrvForm form;
        if (loaded) {
            form.store.WriteProperty("Locked", true);
            form.load();
        } else {
            form.txt->letLocked(true);
        }
        QVERIFY(form.txt->Locked());
        QVERIFY(form.txt->Text1()->isReadOnly());
        QCOMPARE(form.txt->innerBackground(), HostColor::rgb(245, 245, 245));
        form.enter();
        QCOMPARE(form.txt->Text1()->hasFocus(), loaded);
        // Assigned by the form, even unchanged, it takes the focus no longer.
        form.next->setFocus();
        form.txt->letLocked(true);
        form.enter();
        QVERIFY(!form.txt->Text1()->hasFocus());
        form.txt->letLocked(false);
        QCOMPARE(form.txt->innerBackground(), HostColor::rgb(255, 255, 255));
        form.enter();
        QVERIFY(form.txt->Text1()->hasFocus());
    }

    void disabledControlIsGreyed()
    {
        TextOrv txt;
        txt.letEnabled(false);
        QVERIFY(!txt.isEnabled());
        QCOMPARE(txt.innerBackground(), HostColor::rgb(245, 245, 245));
    }

    void changeFollowsEveryTextChange()
    {
        TextOrvForm form;
        QSignalSpy change(form.txt, &TextOrv::Change);
        form.txt->letTextType(1);
        QCOMPARE(change.size(), 1);
        form.enter();
        QTest::keyClicks(form.txt->Text1(), "12");
        form.leave();
        QCOMPARE(form.txt->Text(), QString("12.00"));
        QCOMPARE(change.size(), 5);
    }

    // The inner box's own edge, from its left: the border's pixels, then its background,
    // which the text does not cover. A locked box keeps the readable text colour.
    void innerBoxLook_data()
    {
        QTest::addColumn<bool>("border");
        QTest::addColumn<int>("appearance");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QList<QColor>>("leftEdge");
        // A host's style sheet on the form, which must not reach the box.
        QTest::addColumn<QString>("formSheet");
        const auto row = [](const char *name, bool border, int appearance, bool locked,
                            const QList<QColor> &leftEdge, const QString &formSheet = {}) {
            QTest::newRow(name) << border << appearance << locked << leftEdge << formSheet;
        };
        const QColor white(255, 255, 255), grey(245, 245, 245), dark(0xa0, 0xa0, 0xa0);
        row("sunken", true, 1, false, {dark, dark, white});
        row("single line", true, 0, false, {Qt::black, white, white});
        row("none", false, 1, false, {white, white, white});
        row("locked sunken", true, 1, true, {dark, dark, grey});
        row("locked sunken, styled form", true, 1, true, {dark, dark, grey},
            "QLineEdit { background: yellow; border: 1px solid red; }");
    }
    void innerBoxLook()
    {
        QFETCH(bool, border);
        QFETCH(int, appearance);
        QFETCH(bool, locked);
        QFETCH(QList<QColor>, leftEdge);
        QFETCH(QString, formSheet);
        TextOrvForm form;
        form.window.setStyleSheet(formSheet);
        form.txt->letText("W");
        form.txt->letBorder(border);
        form.txt->letAppearance(OrvInput::Appearance(appearance));
        form.txt->letLocked(locked);
        // The box is named, so that a form's tests can find it.
        QLineEdit *box = form.txt->findChild<QLineEdit *>("Text1");
        QCOMPARE(box, form.txt->Text1());
        const QImage image = box->grab().toImage();
        const int middle = image.height() / 2;
        for (int x = 0; x < leftEdge.size(); ++x)
            QCOMPARE(image.pixelColor(x, middle), leftEdge[x]);
        // The bottom and right edges of the sunken border are light.
        if (border && appearance == 1)
            QCOMPARE(image.pixelColor(image.width() - 1, middle), QColor(0xf0, 0xf0, 0xf0));
        const QColor text = QApplication::palette().color(QPalette::Active, QPalette::Text);
        QCOMPARE(box->palette().color(QPalette::Disabled, QPalette::Text), text);
    }

private:
    // Colours at the middle of the left, top, right and bottom edge.
    static QList<QColor> edgeColours(TextOrv &txt)
    {
        const QImage image = txt.grab().toImage();
        const int w = image.width();
        const int h = image.height();
        return {image.pixelColor(0, h / 2), image.pixelColor(w / 2, 0),
                image.pixelColor(w - 1, h / 2), image.pixelColor(w / 2, h - 1)};
    }
};

QTEST_MAIN(tst_TextOrv)
#include "tst_TextOrv.moc"
