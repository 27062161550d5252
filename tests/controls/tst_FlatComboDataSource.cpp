#include <QSqlError>
#include <QSqlQueryModel>
#include <QtTest>

#include "ControlForm.h"
#include "TestDatabase.h"
#include "controls/input/OCombo1.h"
#include "controls/input/OComboReadOnly.h"

// The control's own items before it is bound: none of them is a row of the query.
const QStringList ownItems{"Chennai", "Kochi"};

// A list bound to a query model over the host's own connection, on the private MariaDB.
class tst_FlatComboDataSource : public QObject
{
    Q_OBJECT

private slots:
    void listFollowsTheQuery_data() { addControlClassRows<OCombo1, OComboReadOnly>(); }
    void listFollowsTheQuery()
    {
        QFETCH(QString, kind);
        TestDatabase database;
        database.exec("CREATE TABLE cities (code int PRIMARY KEY, name varchar(30) NOT NULL)");
        database.exec("INSERT INTO cities VALUES (110001, 'Delhi'), (400001, 'Mumbai'), "
                      "(625001, 'Madurai')");
        QSqlQueryModel model;
        const QString query = "SELECT code, name FROM cities ORDER BY code";
        model.setQuery(query, database.connection());
        QVERIFY2(!model.lastError().isValid(), qPrintable(model.lastError().text()));

        withControlClass<OCombo1, OComboReadOnly>(kind, [&]<typename Combo>() {
            ControlForm<Combo> form("CmbCity", QSize(160, 22), ownItems);
            FlatCombo &combo = *form.control;
            combo.letDataSource(&model, 1);
            QCOMPARE(combo.DataSource(), &model);
            QCOMPARE(form.changed, QStringList{"DataSource"});
            QCOMPARE(combo.ListCount(), short(3));
            QCOMPARE(combo.List(0), QString("Delhi"));
            QCOMPARE(combo.List(2), QString("Madurai"));
            QCOMPARE(combo.listIndex(), short(-1));
            // The host's rows are its own: the list takes no items of the control's.
            QVERIFY(!combo.AddItem("Pune"));
            QCOMPARE(combo.ListCount(), short(3));

            // A row the host adds shows after its query runs again.
            database.exec("INSERT INTO cities VALUES (570001, 'Mysuru')");
            model.setQuery(query, database.connection());
            QCOMPARE(combo.ListCount(), short(4));
            form.enter();
            if (combo.Style() == OrvCombo::Style::DropDownCombo)
                QTest::keyClicks(combo.Combo1(), "my");
            else
                combo.letListIndex(2);
            QCOMPARE(combo.Text(), QString("Mysuru"));
            QCOMPARE(combo.listIndex(), short(2));

            // The binding is not saved, and loading leaves the control its own list.
            form.save();
            QVERIFY(!form.store.contains("DataSource"));
            form.load();
            QCOMPARE(combo.DataSource(), nullptr);
            QCOMPARE(combo.ListCount(), short(0));
            QVERIFY(combo.AddItem("Pune"));
        });
    }
};

QTEST_MAIN(tst_FlatComboDataSource)
#include "tst_FlatComboDataSource.moc"
