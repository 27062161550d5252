#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include "ControlForm.h"
#include "VelmoITNet22SU/VelmoError.h"
#include "controls/display/LeftPanel.h"

namespace
{

struct Entry {
    QString key;
    QString caption;
    bool active;
};

QImage iconOf(const QTableWidget &list, int row)
{
    return list.item(row, 0)->icon().pixmap(16, 16).toImage().convertToFormat(
        QImage::Format_ARGB32_Premultiplied);
}

QImage picture(const char *name)
{
    return QImage(QString(":/velmo/panel/%1.png").arg(name))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class tst_LeftPanel : public QObject
{
    Q_OBJECT

private slots:
    // Adding never raises the event; a click makes the clicked row the one active row and
    // raises the event with its hidden key; an empty panel raises nothing.
    void click_data()
    {
        QTest::addColumn<QList<Entry>>("entries");
        QTest::addColumn<bool>("clearFirst");
        QTest::addColumn<int>("clicked");       // -1: below the rows
        QTest::addColumn<QStringList>("event"); // key, caption; empty: none
        QTest::addColumn<int>("activeRow");     // -1: none
        const QList<Entry> three{
            {"K1", "Profile", false}, {"K2", "Returns", false}, {"K3", "Payments", false}};
        const QList<Entry> secondActive{
            {"K1", "Profile", false}, {"K2", "Returns", true}, {"K3", "Payments", false}};
        QTest::newRow("added, not clicked") << secondActive << false << -2 << QStringList() << 1;
        QTest::newRow("click the first")
            << three << false << 0 << QStringList{"K1", "Profile"} << 0;
        QTest::newRow("click moves the mark")
            << secondActive << false << 2 << QStringList{"K3", "Payments"} << 2;
        QTest::newRow("cleared, then clicked") << three << true << -1 << QStringList() << -1;
    }
    void click()
    {
        QFETCH(QList<Entry>, entries);
        QFETCH(bool, clearFirst);
        QFETCH(int, clicked);
        QFETCH(QStringList, event);
        QFETCH(int, activeRow);
        ControlForm<LeftPanel> form("Panel", QSize(320, 300));
        LeftPanel *panel = form.control;
        QStringList raised;
        connect(panel, &LeftPanel::ItemClick, panel,
                [&raised](QString &key, QString &caption) { raised << key << caption; });
        for (const Entry &entry : entries)
            QCOMPARE(panel->AddItem(entry.key, entry.caption, false, entry.active), 0);
        if (clearFirst)
            panel->Clear();
        QTableWidget &list = *panel->lList();
        if (clicked >= 0)
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                              list.visualRect(list.model()->index(clicked, 1)).center());
        else if (clicked == -1)
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(50, 280));

        QCOMPARE(raised, event);
        QVERIFY(list.isColumnHidden(2));
        for (int row = 0; row < list.rowCount(); ++row) {
            const bool active = row == activeRow;
            QCOMPARE(list.item(row, 1)->font().bold(), active);
            QCOMPARE(iconOf(list, row), picture(active ? "active" : "default"));
        }
        if (list.rowCount() == 0) {
            QVERIFY_THROWS_EXCEPTION(VelmoError, panel->GetActiveKey());
            QVERIFY_THROWS_EXCEPTION(VelmoError, panel->GetActiveCaption());
        } else if (!event.isEmpty()) {
            QCOMPARE(panel->GetActiveKey(), event[0]);
            QCOMPARE(panel->GetActiveCaption(), event[1]);
        }
    }

    void layout()
    {
        ControlForm<LeftPanel> form("Panel", QSize(300, 200));
        const QTableWidget &list = *form.control->lList();
        QCOMPARE(list.geometry(), QRect(0, -1, 300, 200));
        QCOMPARE(list.columnWidth(0), 60);
        QCOMPARE(list.columnWidth(1), 260);
        QCOMPARE(list.font().family(), QString("Arial"));
        QCOMPARE(list.font().pointSize(), 12);
        QCOMPARE(list.palette().color(QPalette::Inactive, QPalette::Highlight),
                 QColor(188, 210, 237));
    }
};

QTEST_MAIN(tst_LeftPanel)
#include "tst_LeftPanel.moc"
