#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include "controls/display/OrvLabel.h"
#include "platform/HostColor.h"

// A label on a shown form of its own, free to take any size.
struct LabelForm {
    QWidget window;
    OrvLabel *label = new OrvLabel(&window);

    LabelForm()
    {
        window.resize(400, 120);
        window.show();
    }
};

bool hasWhitePixel(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 255, 255))
                return true;
    return false;
}

class tst_OrvLabel : public QObject
{
    Q_OBJECT

private slots:
    // The white copy shows beside the caption exactly while the caption is disabled.
    void engravedCopy_data()
    {
        QTest::addColumn<bool>("disableLabel");
        QTest::addColumn<bool>("disableForm");
        QTest::addColumn<bool>("enableAgain");
        QTest::addColumn<bool>("engraved");
        QTest::newRow("enabled") << false << false << false << false;
        QTest::newRow("label disabled") << true << false << false << true;
        QTest::newRow("form disabled") << false << true << false << true;
        QTest::newRow("disabled, enabled again") << true << false << true << false;
    }
    void engravedCopy()
    {
        QFETCH(bool, disableLabel);
        QFETCH(bool, disableForm);
        QFETCH(bool, enableAgain);
        QFETCH(bool, engraved);
        LabelForm form;
        OrvLabel &label = *form.label;
        // A dark form under the transparent label, so that only the engraved copy is white.
        QPalette dark = form.window.palette();
        dark.setColor(QPalette::Window, QColor(0, 0, 64));
        form.window.setPalette(dark);
        form.window.setAutoFillBackground(true);
        label.letCaption("Engraved");
        // Strokes thick enough for whole white pixels beside the caption's own.
        label.letFontSize(20);
        label.letFontBold(true);
        label.letEnabled(!disableLabel);
        form.window.setEnabled(!disableForm);
        if (enableAgain)
            label.letEnabled(true);

        QCOMPARE(label.Label2()->isVisible(), engraved);
        QCOMPARE(label.Label2()->text(), QString("Engraved"));
        QCOMPARE(label.Label2()->pos(), label.Label1()->pos() + QPoint(1, 1));
        QCOMPARE(hasWhitePixel(form.window.grab(label.geometry()).toImage()), engraved);
    }

    // With AutoSize the control takes the caption's size whenever caption or font change;
    // without it the caption is laid out inside the control's rectangle.
    void autoSize_data()
    {
        QTest::addColumn<bool>("autoSize");
        QTest::addColumn<QString>("change");
        for (const bool autoSize : {true, false})
            for (const char *change : {"Caption", "FontSize", "FontBold", "FontName"})
                QTest::addRow("%s %s", autoSize ? "auto" : "fixed", change)
                    << autoSize << QString(change);
    }
    void autoSize()
    {
        QFETCH(bool, autoSize);
        QFETCH(QString, change);
        LabelForm form;
        OrvLabel &label = *form.label;
        label.letAutoSize(autoSize);
        label.resize(150, 40);
        const QSize before = label.size();
        if (change == "Caption")
            label.letCaption("A much longer caption than before");
        else if (change == "FontSize")
            label.letFontSize(20);
        else if (change == "FontBold")
            label.letFontBold(true);
        else
            label.letFontName("DejaVu Serif");

        if (autoSize) {
            QCOMPARE(label.size(), label.Label1()->sizeHint());
            QVERIFY(label.size() != before);
        } else {
            QCOMPARE(label.size(), QSize(150, 40));
            QCOMPARE(label.Label1()->geometry(), QRect(0, 0, 150, 40));
            QCOMPARE(label.Label2()->geometry(), QRect(1, 1, 150, 40));
        }
    }

    // The caption is placed by the widths at the moment of the alignment change or of the
    // loading; later changes of the caption leave it where it was.
    void alignment_data()
    {
        QTest::addColumn<Orv::Alignment>("alignment");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<int>("expectedRoom"); // 0: left, 1: all the room, 2: half of it
        for (const bool loaded : {false, true}) {
            const char *how = loaded ? "loaded" : "assigned";
            QTest::addRow("left %s", how) << Orv::Alignment::Left << loaded << 0;
            QTest::addRow("right %s", how) << Orv::Alignment::Right << loaded << 1;
            QTest::addRow("centre %s", how) << Orv::Alignment::Center << loaded << 2;
        }
    }
    void alignment()
    {
        QFETCH(Orv::Alignment, alignment);
        QFETCH(bool, loaded);
        QFETCH(int, expectedRoom);
        LabelForm form;
        OrvLabel &label = *form.label;
        // The form's layout keeps the control 201 pixels wide whatever its caption.
        label.setFixedWidth(201);
        label.letCaption("Short");
        // The font a load brings, so that loading changes no width.
        label.letFontName("Arial");
        label.letFontSize(10);
        const int labelWidth = label.Label1()->width();
        if (loaded) {
            PropertyBag bag;
            bag.WriteProperty("Alignment", short(alignment));
            bag.WriteProperty("Caption", "Short");
            label.ReadProperties(bag);
        } else {
            label.letAlignment(alignment);
        }
        const int room = 201 - labelWidth;
        const int expectedLeft = expectedRoom == 0   ? 0
                                 : expectedRoom == 1 ? room
                                                     : qRound(room / 2.0);
        QCOMPARE(label.Label1()->x(), expectedLeft);
        QCOMPARE(label.Label2()->pos(), QPoint(expectedLeft + 1, 1));

        label.letCaption("A longer caption");
        QCOMPARE(label.Label1()->x(), expectedLeft);
    }

    void clickAndForeColour()
    {
        LabelForm form;
        OrvLabel &label = *form.label;
        QSignalSpy clicks(&label, &OrvLabel::Click);
        QTest::mouseClick(label.Label1(), Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);

        label.letForeColor(HostColor::rgb(200, 0, 0));
        QCOMPARE(label.Label1()->palette().color(QPalette::WindowText), QColor(200, 0, 0));
        QCOMPARE(label.Label2()->palette().color(QPalette::WindowText), QColor(Qt::white));
    }
};

QTEST_MAIN(tst_OrvLabel)
#include "tst_OrvLabel.moc"
