#include <QLabel>
#include <QtTest>

#include "controls/display/InformationBar.h"

class tst_InformationBar : public QObject
{
    Q_OBJECT

private slots:
    // The label stays centred vertically and keeps its left margin on the right, after a
    // text set at run time and after a resize.
    void recentres_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("leftMargin");
        QTest::addColumn<bool>("resizeAfterText");
        QTest::newRow("tall, no margin") << QSize(300, 40) << 0 << false;
        QTest::newRow("margin 8") << QSize(300, 31) << 8 << false;
        QTest::newRow("resized after the text") << QSize(250, 60) << 5 << true;
    }
    void recentres()
    {
        QFETCH(QSize, size);
        QFETCH(int, leftMargin);
        QFETCH(bool, resizeAfterText);
        QWidget form;
        auto *bar = new InformationBar(&form);
        form.show();
        bar->Label1()->move(leftMargin, 0);
        if (!resizeAfterText)
            bar->resize(size);
        bar->letText("Your return has been filed.");
        if (resizeAfterText)
            bar->resize(size);
        const QRect label = bar->Label1()->geometry();
        QCOMPARE(label.top(), (size.height() - label.height()) / 2);
        QCOMPARE(label.left(), leftMargin);
        QCOMPARE(size.width() - label.right() - 1, leftMargin);
        QCOMPARE(bar->Label1()->text(), QString("Your return has been filed."));
    }
};

QTEST_MAIN(tst_InformationBar)
#include "tst_InformationBar.moc"
