// NumInt, StringCtl and Search driven through real keys, pastes and focus moves on a form.
#include <QLabel>
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

} // namespace

class tst_InputFields : public QObject
{
    Q_OBJECT

private slots:
    // The control holds `initial`, and `entered` once entered. Typed characters pass the
    // control's filter; pasted text is not filtered. Enter moves on as Tab and inserts
    // nothing; leaving a StringCtl capitalises its words, and nothing else.
    void typing_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<TextRoute>("route");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("movesOn");
        const auto row = [](const char *name, const QString &control, TextRoute route,
                            const QString &text, const QString &expected, bool movesOn = false) {
            QTest::newRow(name) << control << QString() << QString() << route << text << expected
                                << movesOn;
        };
        // A NumInt's zero is cleared on entry and shown when it is left empty.
        const auto numberRow = [](const char *name, const QString &initial, const QString &typed,
                                  const QString &entered, const QString &left) {
            QTest::newRow(name) << "NumInt" << initial << entered << TextRoute::Keys << typed + "\t"
                                << left << true;
        };
        numberRow("zero", "0", "", "", "0");
        numberRow("zero replaced", "0", "7", "", "7");
        numberRow("left empty", "", "", "", "0");
        numberRow("leading zero kept", "05", "", "05", "05");
        const TextRoute keys = TextRoute::Keys, ctrlV = TextRoute::CtrlV;
        const TextRoute menu = TextRoute::MenuPaste;
        row("digits only", "NumInt", keys, "12a3", "123");
        row("no sign or point", "NumInt", keys, "-4.5", "45");
        row("typing stops at 10 digits", "NumInt", keys, "123456789012", "1234567890");
        row("Ctrl+V cannot paste a number", "NumInt", ctrlV, "42", "");
        row("menu paste is not filtered", "NumInt", menu, "4a", "4a");
        row("paste cut at 10 characters", "NumInt", menu, "123456789012", "1234567890");
        row("typed apostrophe refused", "StringCtl", keys, "O'Brien", "OBrien");
        row("Ctrl+V keeps an apostrophe", "StringCtl", ctrlV, "O'Brien", "O'Brien");
        row("menu paste keeps an apostrophe", "StringCtl", menu, "D'Souza", "D'Souza");
        row("search takes anything", "Search", keys, "O'Brien #1", "O'Brien #1");
        row("NumInt: Enter moves on", "NumInt", keys, "12\r", "12", true);
        row("StringCtl: Enter moves on", "StringCtl", keys, "12\r", "12", true);
        row("Search: Enter stays for the form", "Search", keys, "12\r", "12");
        row("proper case", "StringCtl", keys, "ram kumar\t", "Ram Kumar", true);
        row("capitals stay", "StringCtl", keys, "RAM kumar\t", "RAM Kumar", true);
        row("after brackets and points", "StringCtl", keys, "new delhi (south).gate\t",
            "New Delhi (South).Gate", true);
        row("StringCtl left empty", "StringCtl", keys, "\t", "", true);
    }
    void typing()
    {
        QFETCH(QString, control);
        QFETCH(QString, initial);
        QFETCH(QString, entered);
        QFETCH(TextRoute, route);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QFETCH(bool, movesOn);
        onForm<NumInt, StringCtl, Search>(control, [&](auto &form) {
            form.control->letText(initial);
            form.enter();
            QCOMPARE(form.control->Text(), entered);
            deliverText(form.control->Text1(), route, text);
            QCOMPARE(form.control->Text(), expected);
            QCOMPARE(form.next->hasFocus(), movesOn);
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
        const int gap = Twips::toPixels(100, search);
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
