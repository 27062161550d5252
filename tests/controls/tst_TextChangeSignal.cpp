// Text's change signal on every text control: one signal for each change of the text,
// whether the form assigns it or the user types or picks it, and none for an assignment
// of the text it already has.
#include <QComboBox>
#include <QtTest>

#include "ControlForm.h"
#include "controls/input/NumInt.h"
#include "controls/input/OCombo1.h"
#include "controls/input/OComboReadOnly.h"
#include "controls/input/Search.h"
#include "controls/input/StringCtl.h"
#include "controls/input/TextOrv.h"

namespace
{

template <typename Control> QWidget *typingTarget(Control &control)
{
    if constexpr (requires { control.Combo1(); })
        return control.Combo1();
    else
        return control.Text1();
}

} // namespace

class tst_TextChangeSignal : public QObject
{
    Q_OBJECT

private slots:
    // `typed` goes in after the control is entered; a picking list moves down one item. An
    // untouched NumInt shows 0 once the form has left it, which entering empties: a change.
    void oncePerChange_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("assigned");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("expected");
        for (const char *kind : {"TextOrv", "NumInt", "StringCtl", "Search", "OCombo1"}) {
            QTest::addRow("%s assigned twice", kind) << kind << QStringList{"12", "12"} << "" << 1;
            QTest::addRow("%s typed", kind)
                << kind << QStringList() << "7" << (kind == QLatin1String("NumInt") ? 2 : 1);
            QTest::addRow("%s assigned, then typed", kind) << kind << QStringList{"12"} << "7" << 2;
        }
        QTest::newRow("OComboReadOnly assigned twice")
            << "OComboReadOnly" << QStringList{"Madurai", "Madurai"} << "" << 1;
        QTest::newRow("OComboReadOnly picked")
            << "OComboReadOnly" << QStringList() << "Mumbai" << 1;
    }
    void oncePerChange()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, assigned);
        QFETCH(QString, typed);
        QFETCH(int, expected);
        withControlClass<TextOrv, NumInt, StringCtl, Search, OCombo1, OComboReadOnly>(
            kind, [&]<typename Control>() {
                ControlForm<Control> form("Field", QSize(160, 24), {"Mumbai", "Madurai"});
                QSignalSpy textChanged(form.control, &Control::TextChanged);
                for (const QString &text : assigned)
                    form.control->letText(text);
                if (!typed.isEmpty()) {
                    form.enter();
                    if constexpr (std::is_same_v<Control, OComboReadOnly>)
                        QTest::keyClick(typingTarget(*form.control), Qt::Key_Down);
                    else
                        QTest::keyClicks(typingTarget(*form.control), typed);
                }
                QVERIFY(form.control->Text().endsWith(typed.isEmpty() ? assigned.last() : typed));
                QCOMPARE(textChanged.size(), expected);
            });
    }
};

QTEST_MAIN(tst_TextChangeSignal)
#include "tst_TextChangeSignal.moc"
