#include <QApplication>
#include <QtTest>

#include "platform/HostColor.h"

class tst_HostColor : public QObject
{
    Q_OBJECT

private slots:
    void rgbValues_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("red is the low byte") << quint32(0x0000FF) << QColor(255, 0, 0);
        QTest::newRow("blue is the third byte") << quint32(0xFF0000) << QColor(0, 0, 255);
        QTest::newRow("border colour") << quint32(12164479) << QColor(127, 157, 185);
        QTest::newRow("focus colour") << quint32(15782064) << QColor(176, 208, 240);
        QTest::newRow("highest plain value") << quint32(0x7FFFFFFF) << QColor(255, 255, 255);
    }
    void rgbValues()
    {
        QFETCH(quint32, value);
        QFETCH(QColor, expected);
        QCOMPARE(HostColor::toColor(value), expected);
        QCOMPARE(HostColor::fromColor(expected), value & 0xFFFFFF);
        QCOMPARE(HostColor::rgb(expected.red(), expected.green(), expected.blue()),
                 value & 0xFFFFFF);
    }

    void systemColoursComeFromThePalette_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("role");
        QTest::newRow("scroll bar")
            << HostColor::scrollBar << int(QPalette::Active) << int(QPalette::Midlight);
        QTest::newRow("window") << HostColor::window << int(QPalette::Active)
                                << int(QPalette::Base);
        QTest::newRow("window text")
            << quint32(0x80000008) << int(QPalette::Active) << int(QPalette::Text);
        QTest::newRow("button face")
            << quint32(0x8000000F) << int(QPalette::Active) << int(QPalette::Button);
        QTest::newRow("grey text")
            << quint32(0x80000011) << int(QPalette::Disabled) << int(QPalette::Text);
    }
    void systemColoursComeFromThePalette()
    {
        QFETCH(quint32, value);
        QFETCH(int, group);
        QFETCH(int, role);
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::ColorGroup(group), QPalette::ColorRole(role), QColor(1, 2, 3));
        QApplication::setPalette(palette);
        QCOMPARE(HostColor::toColor(value), QColor(1, 2, 3));
        QApplication::setPalette(QPalette());
    }

    void unknownSystemIndexIsBlack()
    {
        QCOMPARE(HostColor::toColor(0x800000FF), QColor(Qt::black));
    }
};

QTEST_MAIN(tst_HostColor)
#include "tst_HostColor.moc"
