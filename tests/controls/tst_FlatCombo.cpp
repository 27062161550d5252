#include <QLineEdit>
#include <QtTest>

#include "ControlForm.h"
#include "controls/input/OCombo1.h"
#include "controls/input/OComboReadOnly.h"
#include "controls/input/TextOrvFrame.h"
#include "platform/HostColor.h"

namespace
{

const QStringList cities{"Delhi", "Mumbai", "Madurai"};

// Keys typed one by one; "\b" stands for Backspace and "\x7f" for Delete.
QTestEventList typed(const QString &text)
{
    QTestEventList list;
    for (QChar c : text) {
        if (c == u'\b')
            list.addKeyClick(Qt::Key_Backspace);
        else if (c == u'\x7f')
            list.addKeyClick(Qt::Key_Delete);
        else
            list.addKeyClick(c.toLatin1());
    }
    return list;
}

// Runs `test(form, combo)` on a form holding the combo class that `kind` names, with the
// cities in its list.
template <typename Test> void withCityCombo(const QString &kind, Test test)
{
    withControlClass<OCombo1, OComboReadOnly>(kind, [&]<typename Combo>() {
        ControlForm<Combo> form("CmbCity", QSize(160, 22), cities);
        test(form, static_cast<FlatCombo &>(*form.control));
    });
}

} // namespace

class tst_FlatCombo : public QObject
{
    Q_OBJECT

private slots:
    void typingCompletes_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<short>("listIndex");
        const auto row = [](const char *name, const QString &keys, const QString &text,
                            const QString &selected, short listIndex) {
            QTest::newRow(name) << keys << text << selected << listIndex;
        };
        row("m completes to Mumbai", "m", "Mumbai", "umbai", 1);
        row("then a completes to Madurai", "ma", "Madurai", "durai", 2);
        row("Backspace leaves Ma", "ma\b", "Ma", QString(), -1);
        row("Delete leaves Ma", "ma\x7f", "Ma", QString(), -1);
        row("typing after Backspace completes again", "ma\bd", "Madurai", "urai", 2);
        row("upper case matches too", "MU", "Mumbai", "mbai", 1);
        row("star completes to the first item", "*", "Delhi", "elhi", 0);
        row("no match keeps the text", "x", "x", QString(), -1);
        row("no match after a completion", "mx", "Mx", QString(), -1);
    }
    void typingCompletes()
    {
        QFETCH(QString, keys);
        ControlForm<OCombo1> form("CmbCity", QSize(160, 22), cities);
        form.enter();
        typed(keys).simulate(form.control->Combo1());
        QTEST(form.control->Text(), "text");
        QTEST(form.control->Combo1()->lineEdit()->selectedText(), "selected");
        QTEST(form.control->listIndex(), "listIndex");
    }

    // Text that the form's code assigns or loads completes as typed text does, unless the
    // key pressed last deleted characters. The box shows Madurai before; "key" is the key
    // pressed before the assignment (0: none), "load": the text comes from the saved form.
    void assignedTextCompletes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("load");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<short>("listIndex");
        const auto row = [](const char *name, int key, bool load, const QString &value,
                            const QString &text, const QString &selected, short listIndex) {
            QTest::newRow(name) << key << load << value << text << selected << listIndex;
        };
        row("M completes to Mumbai", 0, false, "M", "Mumbai", "umbai", 1);
        row("blanks around are left out of the match", 0, false, " mad ", "Madurai", "ai", 2);
        row("empty text completes to the first item", 0, false, "", "Delhi", "Delhi", 0);
        row("no match keeps the text", 0, false, "Pune", "Pune", "", -1);
        row("after Backspace kept as given", Qt::Key_Backspace, false, "M", "M", "", -1);
        row("after Delete kept as given", Qt::Key_Delete, false, "M", "M", "", -1);
        row("after an arrow completes", Qt::Key_Right, false, "M", "Mumbai", "umbai", 1);
        row("loaded text completes", 0, true, "de", "Delhi", "lhi", 0);
        row("loaded Combo1 matches no item", 0, true, "Combo1", "Combo1", "", -1);
    }
    void assignedTextCompletes()
    {
        QFETCH(int, key);
        QFETCH(bool, load);
        QFETCH(QString, value);
        ControlForm<OCombo1> form("CmbCity", QSize(160, 22), cities);
        OCombo1 &combo = *form.control;
        combo.letListIndex(2);
        if (key != 0) {
            form.enter();
            QTest::keyClick(combo.Combo1(), Qt::Key(key));
        }
        if (load) {
            form.store.WriteProperty("Text", value);
            form.load();
        } else {
            combo.letText(value);
        }
        QTEST(combo.Text(), "text");
        QTEST(combo.Combo1()->lineEdit()->selectedText(), "selected");
        QTEST(combo.listIndex(), "listIndex");
    }

    // The form hears each key before the combo and may change it by reference.
    void formHearsKeysFirst_data()
    {
        QTest::addColumn<int>("keyAscii"); // what KeyPress leaves; -1: unchanged
        QTest::addColumn<int>("keyCode");  // what KeyDown leaves; -1: unchanged
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("events");
        const QString typedAndCompleted = "KeyDown77 KeyPress109 Change Change KeyUp77";
        QTest::newRow("as typed") << -1 << -1 << "Mumbai" << typedAndCompleted;
        QTest::newRow("character replaced") << int('d') << -1 << "Delhi" << typedAndCompleted;
        QTest::newRow("character cancelled") << 0 << -1 << ""
                                             << "KeyDown77 KeyPress109 KeyUp77";
        QTest::newRow("key made a Backspace: no completion")
            << -1 << 8 << "m"
            << "KeyDown77 KeyPress109 Change KeyUp77";
    }
    void formHearsKeysFirst()
    {
        QFETCH(int, keyAscii);
        QFETCH(int, keyCode);
        ControlForm<OCombo1> form("CmbCity", QSize(160, 22), cities);
        // The box starts empty: the list is filled after creation emptied the text.
        OCombo1 &combo = *form.control;
        QStringList events;
        connect(&combo, &FlatCombo::KeyDown, this, [&](short &code, short &) {
            events << QString("KeyDown%1").arg(code);
            code = keyCode >= 0 ? short(keyCode) : code;
        });
        connect(&combo, &FlatCombo::KeyPress, this, [&](short &ascii) {
            events << QString("KeyPress%1").arg(ascii);
            ascii = keyAscii >= 0 ? short(keyAscii) : ascii;
        });
        connect(&combo, &FlatCombo::Change, this, [&] { events << "Change"; });
        connect(&combo, &FlatCombo::KeyUp, this,
                [&](short &code, short &) { events << QString("KeyUp%1").arg(code); });
        form.enter();
        QTest::keyClick(combo.Combo1(), Qt::Key_M);
        QTEST(combo.Text(), "text");
        QTEST(events.join(' '), "events");
    }

    // An item picked with the arrows is shown as it is and clicked, not completed to an
    // earlier item that starts the same.
    void arrowsPickWithoutCompleting()
    {
        ControlForm<OCombo1> form("CmbCity", QSize(160, 22), cities);
        OCombo1 &combo = *form.control;
        combo.AddItem("Mumbai Suburban", 1);
        combo.letListIndex(1);
        int clicks = 0;
        connect(&combo, &FlatCombo::Click, this, [&clicks] { ++clicks; });
        form.enter();
        QTest::keyClick(combo.Combo1(), Qt::Key_Down);
        QCOMPARE(combo.Text(), QString("Mumbai"));
        QCOMPARE(combo.listIndex(), short(2));
        QCOMPARE(clicks, 1);
    }

    // Enter moves on and neither adds the text to the list nor changes it.
    void enterMovesOn_data() { addControlClassRows<OCombo1, OComboReadOnly>(); }
    void enterMovesOn()
    {
        QFETCH(QString, kind);
        withCityCombo(kind, [&](auto &form, FlatCombo &combo) {
            combo.letListIndex(1);
            short heard = 0;
            QObject::connect(&combo, &FlatCombo::KeyPress,
                             [&heard](short &ascii) { heard = ascii; });
            form.enter();
            QTest::keyClick(combo.Combo1(), Qt::Key_Return);
            QCOMPARE(heard, short(13));
            QTRY_VERIFY(form.next->hasFocus());
            QCOMPARE(combo.Text(), QString("Mumbai"));
            QCOMPARE(combo.ListCount(), short(3));
        });
    }

    // Steps: "enter", "leave", "error" (ErrorFlag set), "clear" (ErrorFlag emptied).
    void band_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<QString>("toolTip");
        const auto row = [](const char *name, const QString &kind, const QString &steps,
                            quint32 colour, const QString &toolTip = {}) {
            QTest::newRow(name) << kind << steps.split(' ') << colour << toolTip;
        };
        const QString error = "Pick a city";
        const quint32 focus = TextOrvFrame::focusShapeColour;
        const quint32 red = TextOrvFrame::errorShapeColour;
        const quint32 idle = TextOrvFrame::idleShapeColour;
        row("entered", "OCombo1", "enter", focus);
        row("error", "OCombo1", "error", red, error);
        row("error entered", "OCombo1", "error enter", focus, error);
        row("error left", "OCombo1", "error enter leave", red, error);
        row("error cleared", "OCombo1", "error clear", idle);
        row("cleared while entered, left", "OCombo1", "error enter clear enter leave", idle);
        // Every assignment shows its look, the same value again too.
        row("cleared again while entered", "OCombo1", "enter clear", idle);
        row("error again while entered", "OCombo1", "error enter error", red, error);
        row("read-only error again while entered", "OComboReadOnly", "error enter error", red,
            error);
        row("read-only entered", "OComboReadOnly", "enter", focus);
        row("read-only error left", "OComboReadOnly", "error enter leave", red, error);
    }
    void band()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, steps);
        QFETCH(quint32, colour);
        QFETCH(QString, toolTip);
        withCityCombo(kind, [&](auto &form, FlatCombo &combo) {
            for (const QString &step : steps) {
                if (step == "enter")
                    form.enter();
                else if (step == "leave")
                    form.leave();
                else
                    combo.letErrorFlag(step == "error" ? "Pick a city" : "");
            }
            QCOMPARE(combo.shapeColour(), colour);
            QCOMPARE(combo.Combo1()->toolTip(), toolTip);
            // The band shows on the control's edge, around Frame1.
            const QImage picture = combo.grab().toImage();
            const QRgb painted = HostColor::toColor(colour).rgb();
            QCOMPARE(picture.pixel(0, 0), painted);
            QCOMPARE(picture.pixel(picture.width() / 2, 0), painted);
            QVERIFY(combo.Frame1()->geometry().top() > 0);
        });
    }

    // A write that names no item of the list is refused: the box keeps what it showed, and
    // nothing is signalled or announced. "events" lists signals and announced keys in order.
    void listWrites_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<short>("listIndex");
        QTest::addColumn<QString>("events");
        const auto row = [](const char *name, const QString &kind, const QString &property,
                            const QString &value, const QString &text, short listIndex,
                            const QString &events) {
            QTest::newRow(name) << kind << property << value << text << listIndex << events;
        };
        const QString picked = "TextChanged ListIndex listIndexChanged";
        row("index of the last item", "OCombo1", "listIndex", "2", "Madurai", 2, picked);
        row("index -1 shows none", "OCombo1", "listIndex", "-1", "", -1, picked);
        row("index past the list", "OCombo1", "listIndex", "3", "Mumbai", 1, "");
        row("index below -1", "OCombo1", "listIndex", "-2", "Mumbai", 1, "");
        row("read-only index past the list", "OComboReadOnly", "listIndex", "3", "Mumbai", 1, "");
        row("read-only index below -1", "OComboReadOnly", "listIndex", "-5", "Mumbai", 1, "");
        row("typed text of no item", "OCombo1", "Text", "Pune", "Pune", -1, "TextChanged Text");
        row("read-only text of an item", "OComboReadOnly", "Text", "Madurai", "Madurai", 2,
            "TextChanged Text");
        row("read-only text of no item", "OComboReadOnly", "Text", "Pune", "Mumbai", 1, "");
        row("read-only empty text", "OComboReadOnly", "Text", "", "Mumbai", 1, "");
        row("read-only text differing in case", "OComboReadOnly", "Text", "MUMBAI", "Mumbai", 1,
            "");
    }
    void listWrites()
    {
        QFETCH(QString, kind);
        QFETCH(QString, property);
        QFETCH(QString, value);
        withCityCombo(kind, [&](auto &, FlatCombo &combo) {
            combo.letListIndex(1);
            QStringList events;
            connect(&combo, &FlatCombo::TextChanged, this, [&] { events << "TextChanged"; });
            connect(&combo, &FlatCombo::listIndexChanged, this,
                    [&] { events << "listIndexChanged"; });
            connect(&combo, &FlatCombo::propertyChanged, this,
                    [&](const QString &key) { events << key; });
            if (property == "listIndex")
                combo.letListIndex(short(value.toInt()));
            else
                combo.letText(value);
            QTEST(combo.Text(), "text");
            QTEST(combo.listIndex(), "listIndex");
            QTEST(events.join(' '), "events");
        });
    }

    void listMembers()
    {
        ControlForm<OCombo1> form("CmbCity", QSize(160, 22), cities);
        OCombo1 &combo = *form.control;
        QCOMPARE(combo.NewIndex(), short(2));
        QVERIFY(combo.AddItem("Agra", 0));
        QCOMPARE(combo.NewIndex(), short(0));
        QVERIFY(!combo.AddItem("Pune", 5));
        QVERIFY(!combo.AddItem("Pune", -1));
        QVERIFY(combo.AddItem("Pune", 4));
        QCOMPARE(combo.NewIndex(), short(4));
        combo.RemoveItem(2);
        QCOMPARE(combo.NewIndex(), short(3));
        QCOMPARE(combo.List(3), QString("Pune"));
        combo.RemoveItem(3);
        QCOMPARE(combo.NewIndex(), short(-1));
        QCOMPARE(combo.ListCount(), short(3));
        combo.RemoveItem(7);
        QCOMPARE(combo.ListCount(), short(3));
        QCOMPARE((QStringList{combo.List(0), combo.List(1), combo.List(2)}),
                 (QStringList{"Agra", "Delhi", "Madurai"}));

        // Assignments that change something are announced, once each.
        combo.letList(1, "New Delhi");
        combo.letList(1, "New Delhi");
        combo.letItemData(2, 625001);
        combo.letItemData(2, 625001);
        combo.letItemData(0, 0);
        combo.letListIndex(2);
        QCOMPARE(combo.itemData(2), 625001);
        QCOMPARE(combo.Text(), QString("Madurai"));
        QCOMPARE(form.changed, (QStringList{"List", "ItemData", "ItemData", "ListIndex"}));

        // The completion knows the renamed item. (An assigned empty text would complete
        // to the first item; showing no item empties the box.)
        combo.letListIndex(-1);
        form.enter();
        QTest::keyClick(combo.Combo1(), Qt::Key_N);
        QCOMPARE(combo.Text(), QString("New Delhi"));
        QCOMPARE(combo.listIndex(), short(1));

        combo.Clear();
        QCOMPARE(combo.ListCount(), short(0));
        QCOMPARE(combo.listIndex(), short(-1));
        QCOMPARE(combo.Style(), OrvCombo::Style::DropDownCombo);
        OComboReadOnly readOnly;
        QCOMPARE(readOnly.Style(), OrvCombo::Style::DropDownList);
        QVERIFY(!readOnly.Combo1()->isEditable());
    }
};

QTEST_MAIN(tst_FlatCombo)
#include "tst_FlatCombo.moc"
