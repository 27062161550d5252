// NumInt, StringCtl and Search driven through real keys, pastes and focus moves on a form.
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QtTest>

#include "ControlForm.h"
#include "controls/input/NumInt.h"
#include "controls/input/Search.h"
#include "controls/input/StringCtl.h"
#include "platform/HostColor.h"
#include "platform/Twips.h"

namespace
{

// Places the control of the named class, one of Controls, on a form and hands the form to
// `body`.
template <typename... Controls, typename Body> void onForm(const QString &control, Body body)
{
    withControlClass<Controls...>(control, [&]<typename Control>() {
        ControlForm<Control> form(control, QSize(160, 24));
        body(form);
    });
}

// KeysThenEnter: the keys typed, then Enter.
enum class Route { Keys, KeysThenEnter, CtrlV, MenuPaste };

void deliver(QLineEdit *box, Route route, const QString &text)
{
    if (route == Route::Keys || route == Route::KeysThenEnter) {
        QTest::keyClicks(box, text);
        if (route == Route::KeysThenEnter)
            QTest::keyClick(box, Qt::Key_Return);
        return;
    }
    QGuiApplication::clipboard()->setText(text);
    if (route == Route::CtrlV) {
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        return;
    }
    const QPoint middle = box->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Mouse, middle, box->mapToGlobal(middle));
    QCoreApplication::sendEvent(box, &request);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    for (QAction *action : menu->actions())
        if (action->text().startsWith(QLineEdit::tr("&Paste")))
            action->trigger();
    menu->close();
}

int pixels(int twips, const QWidget &widget)
{
    return Twips::toPixels(twips, widget);
}

} // namespace

Q_DECLARE_METATYPE(Route)

class tst_InputFields : public QObject
{
    Q_OBJECT

private slots:
    // Typed characters pass the control's filter; pasted text is not filtered. Enter moves
    // on as Tab and inserts nothing.
    void typing_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Route>("route");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QString &control, Route route,
                            const QString &text, const QString &expected) {
            QTest::newRow(name) << control << route << text << expected;
        };
        row("digits only", "NumInt", Route::Keys, "12a3", "123");
        row("no sign or point", "NumInt", Route::Keys, "-4.5", "45");
        row("typing stops at 10 digits", "NumInt", Route::Keys, "123456789012", "1234567890");
        row("Ctrl+V cannot paste a number", "NumInt", Route::CtrlV, "42", "");
        row("menu paste is not filtered", "NumInt", Route::MenuPaste, "4a", "4a");
        row("paste cut at 10 characters", "NumInt", Route::MenuPaste, "123456789012", "1234567890");
        row("typed apostrophe refused", "StringCtl", Route::Keys, "O'Brien", "OBrien");
        row("Ctrl+V keeps an apostrophe", "StringCtl", Route::CtrlV, "O'Brien", "O'Brien");
        row("menu paste keeps an apostrophe", "StringCtl", Route::MenuPaste, "D'Souza", "D'Souza");
        row("search takes anything", "Search", Route::Keys, "O'Brien #1", "O'Brien #1");
        row("NumInt: Enter moves on", "NumInt", Route::KeysThenEnter, "12", "12");
        row("StringCtl: Enter moves on", "StringCtl", Route::KeysThenEnter, "12", "12");
        row("Search: Enter stays for the form", "Search", Route::KeysThenEnter, "12", "12");
    }
    void typing()
    {
        QFETCH(QString, control);
        QFETCH(Route, route);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        onForm<NumInt, StringCtl, Search>(control, [&](auto &form) {
            form.enter();
            deliver(form.control->Text1(), route, text);
            QCOMPARE(form.control->Text(), expected);
            // The search box leaves Enter to its form.
            QCOMPARE(form.next->hasFocus(),
                     route == Route::KeysThenEnter && control != u"Search");
        });
    }

    // The form hears every event of the box first, in the box's order, and what it makes of
    // a typed character is what the filter sees.
    void formHearsTheKeysFirst_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("formTurnsInto");
        QTest::addColumn<QStringList>("heard");
        QTest::addColumn<QString>("expected");
        const QStringList typedAndChanged{"KeyDown 65 0", "KeyPress 97", "Change", "KeyUp 65 0"};
        const QStringList refused{"KeyDown 65 0", "KeyPress 97", "KeyUp 65 0"};
        QTest::newRow("search as typed") << "Search" << -1 << typedAndChanged << "a";
        QTest::newRow("search takes the form's character")
            << "Search" << int('B') << typedAndChanged << "B";
        QTest::newRow("search cancelled by the form") << "Search" << 0 << refused << "";
        QTest::newRow("letter made a digit") << "NumInt" << int('7') << typedAndChanged << "7";
        QTest::newRow("letter made an apostrophe") << "StringCtl" << int('\'') << refused << "";
    }
    void formHearsTheKeysFirst()
    {
        QFETCH(QString, control);
        QFETCH(int, formTurnsInto);
        QFETCH(QStringList, heard);
        QFETCH(QString, expected);
        onForm<NumInt, StringCtl, Search>(control, [&](auto &form) {
            InputField *field = form.control;
            form.enter();
            QStringList log;
            QObject::connect(field, &InputField::KeyDown, [&log](short &code, short &shift) {
                log << QString("KeyDown %1 %2").arg(code).arg(shift);
            });
            QObject::connect(field, &InputField::KeyPress, [&log, formTurnsInto](short &ascii) {
                log << QString("KeyPress %1").arg(ascii);
                if (formTurnsInto >= 0)
                    ascii = short(formTurnsInto);
            });
            QObject::connect(field, &InputField::Change, [&log] { log << "Change"; });
            QObject::connect(field, &InputField::KeyUp, [&log](short &code, short &shift) {
                log << QString("KeyUp %1 %2").arg(code).arg(shift);
            });
            QTest::keyClick(field->Text1(), Qt::Key_A);
            QVERIFY2(log == heard, qPrintable(log.join(", ")));
            QCOMPARE(form.control->Text(), expected);
        });
    }

    // The frame turns light blue on entry and the system colour at half the width on
    // leaving; an error turns it red with its text as the tooltip until the focus moves.
    void frameAndHighlightFollowFocus_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("NumInt") << "NumInt";
        QTest::newRow("StringCtl") << "StringCtl";
    }
    void frameAndHighlightFollowFocus()
    {
        QFETCH(QString, control);
        onForm<NumInt, StringCtl>(control, [](auto &form) {
            auto *field = form.control;
            const TextOrvFrame &shape = field->Shape();
            field->letText("42");
            field->letErrorFlag("Enter the quantity");
            QCOMPARE(shape.shapeColour(), HostColor::rgb(255, 0, 0));
            QCOMPARE(shape.shapeWidth(), 4);
            QCOMPARE(field->Text1()->toolTip(), QString("Enter the quantity"));
            QCOMPARE(field->grab().toImage().pixelColor(0, 10), QColor(255, 0, 0));

            form.enter();
            QCOMPARE(shape.shapeColour(), HostColor::rgb(190, 216, 244));
            QCOMPARE(shape.shapeWidth(), 4);
            QCOMPARE(field->innerBackground(), HostColor::rgb(255, 255, 192));
            QCOMPARE(field->innerForeground(), HostColor::rgb(64, 0, 0));
            QCOMPARE(field->Text1()->palette().color(QPalette::Base), QColor(255, 255, 192));
            QCOMPARE(field->Text1()->selectedText(), QString("42"));

            form.leave();
            QCOMPARE(shape.shapeColour(), quint32(0x80000000));
            QCOMPARE(shape.shapeWidth(), 2);
            QCOMPARE(field->innerBackground(), HostColor::rgb(255, 255, 255));
            QCOMPARE(field->Text1()->palette().color(QPalette::Text), QColor(0, 0, 0));

            field->letErrorFlag(QString());
            QCOMPARE(shape.shapeColour(), quint32(0x80000000));
            QCOMPARE(shape.shapeWidth(), 4);
            QCOMPARE(field->Text1()->toolTip(), QString());
        });
    }

    void zeroClearedOnEntryAndShownWhenLeftEmpty_data()
    {
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("left");
        const auto row = [](const char *name, const QString &initial, const QString &typed,
                            const QString &entered, const QString &left) {
            QTest::newRow(name) << initial << typed << entered << left;
        };
        row("zero", "0", "", "", "0");
        row("zero replaced", "0", "7", "", "7");
        row("empty", "", "", "", "0");
        row("leading zero kept", "05", "", "05", "05");
    }
    void zeroClearedOnEntryAndShownWhenLeftEmpty()
    {
        QFETCH(QString, initial);
        QFETCH(QString, typed);
        QFETCH(QString, entered);
        QFETCH(QString, left);
        ControlForm<NumInt> form("Qty", QSize(120, 24));
        form.control->letText(initial);
        form.enter();
        QCOMPARE(form.control->Text(), entered);
        QTest::keyClicks(form.control->Text1(), typed);
        form.leave();
        QCOMPARE(form.control->Text(), left);
    }

    // Words are capitalised when the box is left; nothing is turned to lower case.
    void properCaseOnLeaving_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QString &text, const QString &expected) {
            QTest::newRow(name) << text << expected;
        };
        row("lower case", "ram kumar", "Ram Kumar");
        row("capitals stay", "RAM kumar", "RAM Kumar");
        row("after brackets and points", "new delhi (south).gate", "New Delhi (South).Gate");
        row("empty", "", "");
    }
    void properCaseOnLeaving()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        ControlForm<StringCtl> form("Name", QSize(160, 24));
        form.enter();
        QTest::keyClicks(form.control->Text1(), text);
        form.leave();
        QCOMPARE(form.control->Text(), expected);
    }

    void boldLostOnFirstLeave()
    {
        ControlForm<StringCtl> form("Name", QSize(160, 24));
        form.control->letFontBold(true);
        form.enter();
        QVERIFY(form.control->FontBold());
        form.leave();
        QVERIFY(!form.control->FontBold());
    }

    // Resizing keeps the picture 100 twips in from the right edge and centred, and the box
    // 100 twips in from the left, reaching the picture, level with its top.
    void searchLayout_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("usual") << QSize(200, 24);
        QTest::newRow("tall") << QSize(120, 61);
        QTest::newRow("low") << QSize(300, 18);
    }
    void searchLayout()
    {
        QFETCH(QSize, size);
        ControlForm<Search> form("Find", size);
        const Search &search = *form.control;
        const QRect image = search.Image1()->geometry();
        const QRect text = search.Text1()->geometry();
        const int gap = pixels(100, search);
        QCOMPARE(image.size(), QSize(16, 16));
        QVERIFY2(qAbs(size.width() - image.right() - 1 - gap) <= 1,
                 qPrintable(QString::number(image.right())));
        QVERIFY2(qAbs(image.top() - (size.height() - image.bottom() - 1)) <= 1,
                 qPrintable(QString::number(image.top())));
        QVERIFY(qAbs(text.left() - gap) <= 1);
        QVERIFY(qAbs(image.left() - text.right() - 1) <= 1);
        QCOMPARE(text.top(), image.top());
        QCOMPARE(search.Shape1().shapeRect(), QRect(QPoint(0, 0), size));
    }

    // The box is named by the label the form gives it, or by what it is for.
    void accessibleName_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QString &control, const QString &label,
                            const QString &expected) {
            QTest::newRow(name) << control << label << expected;
        };
        row("number", "NumInt", QString(), "Number");
        row("number with a label", "NumInt", "&Quantity:", "Quantity:");
        row("text with a label", "StringCtl", "Firm &name", "Firm name");
        row("search", "Search", QString(), "Search");
    }
    void accessibleName()
    {
        QFETCH(QString, control);
        QFETCH(QString, label);
        QFETCH(QString, expected);
        onForm<NumInt, StringCtl, Search>(control, [&](auto &form) {
            form.control->hide();
            if (!label.isEmpty())
                (new QLabel(label, &form.window))->setBuddy(form.control);
            form.control->show();
            QCOMPARE(form.control->Text1()->accessibleName(), expected);
        });
    }
};

QTEST_MAIN(tst_InputFields)
#include "tst_InputFields.moc"
