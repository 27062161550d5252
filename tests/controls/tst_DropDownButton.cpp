#include <QAbstractItemView>
#include <QtTest>

#include "ControlForm.h"
#include "controls/display/DropDownButton.h"
#include "platform/Twips.h"

namespace
{

struct DropDownForm : ControlForm<DropDownButton> {
    DropDownForm() : ControlForm<DropDownButton>("DropDown1", QSize(120, 25))
    {
        QObject::connect(control, &DropDownButton::Click, &window,
                         [this](short &index, QString &caption) {
                             clicks << QStringLiteral("%1 %2").arg(index).arg(caption);
                         });
    }
    cmd *child(const char *name) const { return control->findChild<cmd *>(name); }
    QComboBox *combo() const { return control->findChild<QComboBox *>("Combo1"); }

    QStringList clicks;
};

} // namespace

class tst_DropDownButton : public QObject
{
    Q_OBJECT

private slots:
    // Captions written in order; one starting with '+' is added to the list instead.
    void captionsFillTheList_data()
    {
        QTest::addColumn<bool>("reset");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("new control") << false << QStringList{} << QStringList{"Default"};
        QTest::newRow("kept") << false << QStringList{"First", "Second"}
                              << QStringList{"Second", "First", "Default"};
        QTest::newRow("reset") << true << QStringList{"First", "Second"} << QStringList{"Second"};
        // Writing the caption it has is a write all the same.
        QTest::newRow("kept, the same caption again")
            << false << QStringList{"A", "A"} << QStringList{"A", "A", "Default"};
        QTest::newRow("reset, the same caption again")
            << true << QStringList{"A", "+B", "+C", "A", "+B", "+C"} << QStringList{"A", "B", "C"};
    }
    void captionsFillTheList()
    {
        QFETCH(bool, reset);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, entries);
        DropDownForm form;
        form.control->letReset(reset);
        for (const QString &caption : captions)
            if (caption.startsWith(u'+'))
                form.control->AddItem(caption.mid(1));
            else
                form.control->letCaption(caption);
        QCOMPARE(form.control->entries(), entries);
        QCOMPARE(form.combo()->currentText(), "  " + entries.first());
        QCOMPARE(form.child("Default")->Caption(), entries.first());
    }

    // Picking an entry and pressing the main button both report the entry trimmed.
    void clicksReportTheEntryTrimmed()
    {
        DropDownForm form;
        form.control->AddItem("  Pay later ");
        form.combo()->setCurrentIndex(1);
        emit form.combo()->activated(1);
        QCOMPARE(form.child("Default")->Caption(), QString("Pay later"));
        QTest::mouseClick(form.child("Default"), Qt::LeftButton, {}, QPoint(20, 10));
        QCOMPARE(form.clicks, (QStringList{"1 Pay later", "1 Pay later"}));
    }

    // The font is the main button's; the form's own font is not saved, and a store without
    // one gives the form's font, to which the stored name and size then apply.
    void fontIsTheMainButtons_data()
    {
        QTest::addColumn<bool>("formFont");
        QTest::addColumn<bool>("saved");
        QTest::newRow("own font") << false << true;
        QTest::newRow("the form's font") << true << false;
    }
    void fontIsTheMainButtons()
    {
        QFETCH(bool, formFont);
        QFETCH(bool, saved);
        DropDownForm form;
        form.window.setFont(QFont("DejaVu Serif", 13, QFont::Bold, true));
        const QFont font = formFont ? form.window.font() : QFont("DejaVu Sans", 10, QFont::Bold);
        QSignalSpy changes(form.control, &DropDownButton::FontChanged);
        form.control->letFont(font);
        QCOMPARE(form.child("Default")->Font(), font);
        QCOMPARE(form.control->Font(), font);
        QCOMPARE(form.changed.count("Font"), 1);
        QCOMPARE(changes.count(), 1);
        form.save();
        QCOMPARE(form.store.ReadProperty("Font", QString()).toString().isEmpty(), !saved);
        DropDownForm loaded;
        loaded.window.setFont(form.window.font());
        loaded.store = form.store;
        loaded.load();
        QFont expected = font;
        expected.setFamily(form.control->FontName());
        expected.setPointSizeF(form.control->FontSize());
        QCOMPARE(loaded.control->Font(), expected);
    }

    void arrowOpensTheList()
    {
        DropDownForm form;
        cmd *arrow = form.child("DownArrow");
        QVERIFY(!form.combo()->view()->isVisible());
        QTest::mouseClick(arrow, Qt::LeftButton, {}, QPoint(arrow->width() / 2, 10));
        QTRY_VERIFY(form.combo()->view()->isVisible());
        QVERIFY(form.clicks.isEmpty());
    }

    void resizeInTwips()
    {
        DropDownForm form;
        // 120 pixels are 1800 twips; the arrow takes 350 of them.
        const int arrow = Twips::toPixels(350, *form.control);
        QCOMPARE(form.child("DownArrow")->geometry(), QRect(120 - arrow, 0, arrow, 25));
        QCOMPARE(form.child("Default")->width(), 120 - arrow);
    }
};

QTEST_MAIN(tst_DropDownButton)
#include "tst_DropDownButton.moc"
