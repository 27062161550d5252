#include <algorithm>

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
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

// The ways by which text reaches a box.
enum class Route {
    Keys,
    AltGr, // reported as Ctrl+Alt, as some layouts do
    InputMethod,
    Drop,
    CtrlV,
    ShiftInsert,
    MenuPaste,
};

// Sends text to the box by one route; the pasting routes take it from the clipboard.
void deliver(QLineEdit *box, Route route, const QString &text)
{
    const QPoint middle = box->rect().center();
    switch (route) {
    case Route::Keys:
        QTest::keyClicks(box, text);
        return;
    case Route::AltGr:
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::ControlModifier | Qt::AltModifier);
        return;
    case Route::InputMethod: {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(box, &commit);
        return;
    }
    case Route::Drop: {
        QMimeData mime;
        mime.setText(text);
        QDragEnterEvent enter(middle, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(box, &enter);
        QDropEvent drop(middle, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(box, &drop);
        return;
    }
    default:
        break;
    }
    QGuiApplication::clipboard()->setText(text);
    if (route == Route::CtrlV) {
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    } else if (route == Route::ShiftInsert) {
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    } else {
        QContextMenuEvent request(QContextMenuEvent::Mouse, middle, box->mapToGlobal(middle));
        QCoreApplication::sendEvent(box, &request);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const QList<QAction *> actions = menu->actions();
        const auto paste = std::find_if(actions.begin(), actions.end(), [](QAction *action) {
            return action->text().startsWith(QLineEdit::tr("&Paste"));
        });
        QVERIFY(paste != actions.end());
        (*paste)->trigger();
        menu->close();
    }
}

// The focus arrives with the window's activation, as it does in the first box of a window
// just shown: the box takes the focus while another window is active.
void enterByActivation(TextOrvForm &form)
{
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    form.txt->setFocus();
    form.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form.window));
    QVERIFY(form.txt->Text1()->hasFocus());
}

} // namespace

Q_DECLARE_METATYPE(Route)

class tst_TextOrv : public QObject
{
    Q_OBJECT

private slots:
    void typing_data()
    {
        QTest::addColumn<int>("textType");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("initial");
        QTest::addColumn<int>("caret");
        QTest::addColumn<Route>("route");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        const QString anyRange = TextOrvLimit::defaultLimit;
        const Route keys = Route::Keys;
        const auto row = [](const char *name, int textType, const QString &limit, int maxLength,
                            const QString &initial, int caret, Route route, const QString &keys,
                            const QString &expected) {
            QTest::newRow(name) << textType << limit << maxLength << initial << caret << route
                                << keys << expected;
        };
        row("range 0:100 refuses 105", 1, "0:100", 0, "10", 2, keys, "5", "10");
        row("range 0:100 takes 100", 1, "0:100", 0, "10", 2, keys, "0", "100");
        row("one decimal point", 1, anyRange, 0, "", 0, keys, "-12.5.3", "-12.53");
        row("minus at caret 0", 1, anyRange, 0, "-5", 0, keys, "-", "--5");
        row("minus after caret 0", 1, anyRange, 0, "-5", 2, keys, "-", "-5");
        row("integer refuses point and hash", 2, anyRange, 0, "", 0, keys, "12.5#", "125");
        row("digit string", 4, anyRange, 0, "", 0, keys, "98a7-6", "9876");
        row("date characters", 3, anyRange, 0, "", 0, keys, "5.6/24-x", "5.6/24-");
        row("free text", 0, anyRange, 0, "", 0, keys, "Ab#1", "Ab#1");

        row("AltGr brace refused by a digit string", 4, anyRange, 0, "", 0, Route::AltGr, "1{2",
            "12");
        row("AltGr characters in free text", 0, anyRange, 0, "", 0, Route::AltGr, "{\u20ac",
            "{\u20ac");
        row("input method commit filtered by a digit string", 4, anyRange, 0, "", 0,
            Route::InputMethod, "1\u00e92", "12");
        row("input method commit in free text", 0, anyRange, 0, "a", 1, Route::InputMethod,
            "\u00e9\U0001F600", "a\u00e9\U0001F600");
        row("dropped text refused", 0, anyRange, 0, "", 0, Route::Drop, "ab", "");

        row("typing stops at MaxLength", 0, anyRange, 3, "", 0, keys, "abcd", "abc");
        row("input method stops at MaxLength", 0, anyRange, 3, "", 0, Route::InputMethod, "abcd",
            "abc");
        row("a text past MaxLength takes no more", 0, anyRange, 3, "abcd", 4, keys, "e", "abcd");

        // Pasted text is normalised for the type, and the caret ends after it.
        row("Ctrl+V, integer 12abc", 2, anyRange, 0, "", 0, Route::CtrlV, "12abc", "12");
        row("Ctrl+V, digit string 0042x", 4, anyRange, 0, "", 0, Route::CtrlV, "0042x", "0042");
        row("Ctrl+V, free text untouched", 0, anyRange, 0, "", 0, Route::CtrlV, "ab cd", "ab cd");
        row("Shift+Insert, integer 12abc", 2, anyRange, 0, "", 0, Route::ShiftInsert, "12abc",
            "12");
        row("menu, digit string 0042x", 4, anyRange, 0, "", 0, Route::MenuPaste, "0042x", "0042");
        row("Ctrl+V stops at MaxLength", 0, anyRange, 4, "", 0, Route::CtrlV, "abcdef", "abcd");
        row("menu paste stops at MaxLength", 0, anyRange, 4, "", 0, Route::MenuPaste, "abcdef",
            "abcd");
    }
    void typing()
    {
        QFETCH(int, textType);
        QFETCH(QString, limit);
        QFETCH(int, maxLength);
        QFETCH(QString, initial);
        QFETCH(int, caret);
        QFETCH(Route, route);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        TextOrvForm form;
        form.txt->letTextType(textType);
        form.txt->letTextLimit(limit);
        form.txt->letMaxLength(maxLength);
        form.enter();
        form.txt->Text1()->setText(initial);
        form.txt->Text1()->setCursorPosition(caret);
        deliver(form.txt->Text1(), route, keys);
        QCOMPARE(form.txt->Text(), expected);
        if (initial.isEmpty())
            QCOMPARE(form.txt->Text1()->cursorPosition(), int(expected.size()));
    }

    void pointRefusedEvenOverASelectedPoint()
    {
        TextOrvForm form;
        form.txt->letTextType(1);
        form.txt->letText("1.5");
        form.enter();
        form.txt->Text1()->setSelection(1, 1);
        QTest::keyClick(form.txt->Text1(), Qt::Key_Period);
        QCOMPARE(form.txt->Text(), QString("1.5"));
    }

    void backspaceRefusedWhileValueExceedsTop_data()
    {
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QString &initial, const QString &expected) {
            QTest::newRow(name) << initial << expected;
        };
        row("over the top", "150", "150");
        row("in range", "15", "1");
    }
    void backspaceRefusedWhileValueExceedsTop()
    {
        QFETCH(QString, initial);
        QFETCH(QString, expected);
        TextOrvForm form;
        form.txt->letTextType(1);
        form.txt->letTextLimit("0:100");
        form.enter();
        form.txt->Text1()->setText(initial);
        QTest::keyClick(form.txt->Text1(), Qt::Key_Backspace);
        QCOMPARE(form.txt->Text(), expected);
    }

    void enterMovesFocusAndInsertsNothing()
    {
        TextOrvForm form;
        form.txt->letTextType(1);
        form.enter();
        QTest::keyClicks(form.txt->Text1(), "12");
        QTest::keyClick(form.txt->Text1(), Qt::Key_Return);
        QVERIFY(form.next->hasFocus());
        QCOMPARE(form.txt->Text(), QString("12.00"));
    }

    void formChangesTheKeyBeforeTheFilter_data()
    {
        QTest::addColumn<int>("textType");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<Route>("route");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        const Route keys = Route::Keys;
        const auto row = [](const char *name, int textType, bool locked, Route route,
                            const QString &keys, const QString &expected) {
            QTest::newRow(name) << textType << locked << route << keys << expected;
        };
        row("x zeroed", 0, false, keys, "axb", "ab");
        row("o turned into a digit the filter takes", 4, false, keys, "1o2", "102");
        row("Enter made by the form moves on", 0, false, keys, "a!", "A");
        row("input method: x zeroed", 0, false, Route::InputMethod, "axb", "ab");
        row("AltGr: o turned into a digit", 4, false, Route::AltGr, "1o", "10");
        row("Ctrl+V refused by the form", 0, false, Route::CtrlV, "abc", "");
        row("Shift+Insert refused by the form", 0, false, Route::ShiftInsert, "abc", "");
        row("menu paste refused by the form", 0, false, Route::MenuPaste, "abc", "");
        row("locked: a digit made by the form is not typed", 0, true, keys, "1o2", "");
        row("locked: Enter made by the form moves on", 0, true, keys, "a!", "");
    }
    void formChangesTheKeyBeforeTheFilter()
    {
        QFETCH(int, textType);
        QFETCH(bool, locked);
        QFETCH(Route, route);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        TextOrvForm form;
        if (locked) {
            // Loaded locked from the store: read-only, yet it takes the focus.
            PropertyBag bag;
            bag.WriteProperty("Locked", true);
            form.txt->ReadProperties(bag);
        }
        form.txt->letTextType(textType);
        connect(
            form.txt, &TextOrv::KeyPress, form.txt,
            [](short &keyAscii) {
                if (keyAscii == 'x' || keyAscii == 22)
                    keyAscii = 0;
                else if (keyAscii == 'o')
                    keyAscii = '0';
                else if (keyAscii == '!')
                    keyAscii = 13;
            },
            Qt::DirectConnection);
        form.enter();
        QVERIFY(form.txt->Text1()->hasFocus());
        deliver(form.txt->Text1(), route, keys);
        QCOMPARE(form.txt->Text(), expected);
        QCOMPARE(form.next->hasFocus(), keys.endsWith('!'));
    }

    void keyEventsCarryHostCodes()
    {
        TextOrvForm form;
        QList<QPair<short, short>> downs;
        QList<QPair<short, short>> ups;
        connect(
            form.txt, &TextOrv::KeyDown, form.txt,
            [&downs](short &code, short &shift) {
                if (code != 16 && code != 17)
                    downs.append({code, shift});
            },
            Qt::DirectConnection);
        connect(
            form.txt, &TextOrv::KeyUp, form.txt,
            [&ups](short &code, short &shift) {
                if (code != 16 && code != 17)
                    ups.append({code, shift});
            },
            Qt::DirectConnection);
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
        connect(
            form.txt, &TextOrv::MouseDown, form.txt,
            [&](short &b, short &, float &mouseX, float &) {
                button = b;
                x = mouseX;
            },
            Qt::DirectConnection);
        QTest::mouseClick(form.txt->Text1(), Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(button, short(1));
        QCOMPARE(x, float(10 * 1440 / form.txt->logicalDpiX()));
    }

    void leavingNormalises_data()
    {
        QTest::addColumn<int>("textType");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("message");
        const QString anyRange = TextOrvLimit::defaultLimit;
        const auto row = [](const char *name, int textType, const QString &limit, int maxLength,
                            const QString &initial, const QString &expected,
                            const QString &message) {
            QTest::newRow(name) << textType << limit << maxLength << initial << expected << message;
        };
        row("under 10:20", 1, "10:20", 0, "5", "10.00", "Your input limit is '10:20'");
        row("over 0:100", 1, "0:100", 0, "105", "100.00", "Your input limit is '0:100'");
        row("empty decimal", 1, anyRange, 0, "", "0.00", "");
        row("integer floors", 2, anyRange, 0, "-2.5", "-3", "");
        row("007 kept", 4, anyRange, 0, "007", "007", "");
        row("lone 0 emptied", 4, anyRange, 0, "0", "", "");
        row("mobile kept", 4, anyRange, 0, "9876543210", "9876543210", "");
        row("date 5.6.24", 3, anyRange, 0, "5.6.24", "05/06/2024", "");
        row("date 31-12-75", 3, anyRange, 0, "31-12-75", "31/12/1975", "");
        row("date 30/02/2024", 3, anyRange, 0, "30/02/2024", "", "");
        row("date 5/6", 3, anyRange, 0, "5/6", "05/06/2000", "");
        row("proper case", 0, anyRange, 0, "new delhi (south).gate", "New Delhi (South).Gate", "");
        row("decimal wider than MaxLength", 1, anyRange, 6, "12345", "12345.00", "");
        row("date wider than MaxLength", 3, anyRange, 8, "5/6/24", "05/06/2024", "");
    }
    void leavingNormalises()
    {
        QFETCH(int, textType);
        QFETCH(QString, limit);
        QFETCH(int, maxLength);
        QFETCH(QString, initial);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        TextOrvForm form;
        form.txt->letTextType(textType);
        form.txt->letTextLimit(limit);
        form.txt->letMaxLength(maxLength);
        form.enter();
        form.txt->Text1()->setText(initial);
        MessageBoxWatcher watcher;
        form.leave();
        QCOMPARE(form.txt->Text(), expected);
        // Without a window manager nothing reactivates the form after a message box,
        // so the form's own focus widget tells where the focus went.
        QCOMPARE(form.window.focusWidget(), form.next);
        if (message.isEmpty()) {
            QVERIFY(watcher.messages().isEmpty());
            return;
        }
        QCOMPARE(watcher.messages().size(), 1);
        QCOMPARE(watcher.single().text, message);
        QCOMPARE(watcher.single().icon, QMessageBox::Warning);
        QCOMPARE(watcher.single().title, QString("Velmo IT"));
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
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(form.txt->Text(), QString("0"));
        form.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form.window));
        QVERIFY(form.txt->Text1()->hasFocus());
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
    void standardStyleFocusLook()
    {
        QFETCH(bool, byActivation);
        TextOrvForm form;
        form.txt->letStyle(OrvInput::Style::Standard);
        form.txt->letText("abc");
        if (byActivation)
            enterByActivation(form);
        else
            form.enter();
        QCOMPARE(form.txt->Shape().shapeColour(), quint32(HostColor::rgb(190, 216, 244)));
        QCOMPARE(form.txt->Shape().shapeWidth(), 4);
        QVERIFY(form.txt->Text1()->font().bold());
        QCOMPARE(form.txt->Text1()->selectedText(), QString("abc"));
        form.leave();
        QCOMPARE(form.txt->Shape().shapeColour(), quint32(0x80000000));
        QCOMPARE(form.txt->Shape().shapeWidth(), 4);
        QVERIFY(!form.txt->Text1()->font().bold());
        QCOMPARE(form.txt->innerBackground(), HostColor::rgb(255, 255, 255));
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

    void errorFlagMarksTheFrameUntilFocusMoves()
    {
        TextOrvForm form;
        QSignalSpy changed(form.txt, &TextOrv::propertyChanged);
        form.txt->letErrorFlag("Enter the mobile number");
        QCOMPARE(changed.takeFirst().at(0).toString(), QString("ErrorFlag"));
        QCOMPARE(form.txt->Shape().shapeColour(), quint32(0xFF));
        QCOMPARE(form.txt->Shape().shapeWidth(), 4);
        QCOMPARE(form.txt->Text1()->toolTip(), QString("Enter the mobile number"));
        QCOMPARE(form.txt->grab().toImage().pixelColor(0, 10), QColor(255, 0, 0));
        form.enter();
        QCOMPARE(form.txt->Shape().shapeColour(), quint32(HostColor::rgb(190, 216, 244)));
        form.txt->letErrorFlag(QString());
        QCOMPARE(form.txt->Shape().shapeColour(), quint32(0x80000000));
        QCOMPARE(form.txt->Text1()->toolTip(), QString());
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
        QVERIFY(!txt.Enabled());
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
        const QColor white(255, 255, 255);
        const QColor grey(245, 245, 245);
        const QColor dark(0xa0, 0xa0, 0xa0);
        QTest::newRow("sunken") << true << 1 << false << QList<QColor>{dark, dark, white}
                                << QString();
        QTest::newRow("single line")
            << true << 0 << false << QList<QColor>{Qt::black, white, white} << QString();
        QTest::newRow("none") << false << 1 << false << QList<QColor>{white, white, white}
                              << QString();
        QTest::newRow("locked sunken")
            << true << 1 << true << QList<QColor>{dark, dark, grey} << QString();
        QTest::newRow("locked sunken, styled form")
            << true << 1 << true << QList<QColor>{dark, dark, grey}
            << QStringLiteral("QLineEdit { background: yellow; border: 1px solid red; }");
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
        QLineEdit *box = form.txt->Text1();
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

    void innerBoxIsNamed()
    {
        TextOrv txt;
        QCOMPARE(txt.findChild<QLineEdit *>("Text1"), txt.Text1());
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
