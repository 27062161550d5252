#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QtTest>

#include "ControlForm.h"
#include "controls/display/cmd.h"

namespace
{

// A form holding one button, a box after it ("Next") and one more after that ("Last"),
// with the pointer where the test says: the offscreen platform moves no cursor, so the
// button asks the test whether the pointer is over it. `log` records the button's events
// in the order the form hears them, with the value of Value at each click.
struct InputForm : ControlForm<cmd> {
    InputForm() : ControlForm<cmd>("Command1", QSize(60, 24))
    {
        last = new QLineEdit(&window);
        last->setObjectName("Last");
        window.layout()->addWidget(last);
        // A look whose hover shows, without a focus mark.
        control->letButtonType(Cmd::ButtonType::HoverThinBevel);
        control->letShowFocusRect(false);
        control->setPointerCheck([this](const cmd &) { return pointerInside; });
        if (!QTest::qWaitFor([this] { return !control->hoverTracking(); }))
            qFatal("the new button kept looking for the pointer");
        const auto mouse = [this](const char *name) {
            return [this, name](short &button, short &, float &, float &) {
                log << QStringLiteral("%1 %2").arg(name).arg(button);
            };
        };
        QObject::connect(control, &cmd::MouseDown, &window, mouse("MouseDown"));
        QObject::connect(control, &cmd::MouseUp, &window, mouse("MouseUp"));
        QObject::connect(control, &cmd::Click, &window,
                         [this] { log << QStringLiteral("Click %1").arg(control->Value()); });
        QObject::connect(control, &cmd::MouseOver, &window, [this] { log << "MouseOver"; });
        QObject::connect(control, &cmd::MouseOut, &window, [this] { log << "MouseOut"; });
        up = control->surface();
    }

    // The pointer moved to `at` in the button's coordinates, with `buttons` held.
    void moveTo(QPoint at, Qt::MouseButtons buttons = Qt::NoButton)
    {
        pointerInside = control->rect().contains(at);
        QMouseEvent move(QEvent::MouseMove, QPointF(at), control->mapToGlobal(QPointF(at)),
                         Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(control, &move);
    }
    bool looksUp() const { return control->surface() == up; }

    QLineEdit *last = nullptr;
    bool pointerInside = false;
    QStringList log;
    QImage up;
};

const QPoint inside(30, 12);
const QPoint outside(200, 12);

} // namespace

class tst_cmdInput : public QObject
{
    Q_OBJECT

private slots:
    void rightButtonNeverChangesTheLook()
    {
        InputForm form;
        form.enter();
        QTRY_VERIFY(form.control->hasFocus());
        const int paints = form.control->paintCount();
        QTest::mousePress(form.control, Qt::RightButton, {}, inside);
        QCOMPARE(form.control->paintCount(), paints);
        QTest::mouseRelease(form.control, Qt::RightButton, {}, inside);
        QCOMPARE(form.control->paintCount(), paints);
        QCOMPARE(form.log, (QStringList{"MouseDown 2", "MouseUp 2"}));
    }

    void leftClickRaisesItsEventsInOrder()
    {
        InputForm form;
        QTest::mousePress(form.control, Qt::LeftButton, {}, inside);
        QVERIFY(!form.looksUp());
        QTest::mouseRelease(form.control, Qt::LeftButton, {}, inside);
        QVERIFY(form.looksUp());
        QCOMPARE(form.log, (QStringList{"MouseDown 1", "MouseUp 1", "Click 0"}));
    }

    void dragOutAndReleaseOutside()
    {
        InputForm form;
        QTest::mousePress(form.control, Qt::LeftButton, {}, inside);
        form.moveTo(outside, Qt::LeftButton);
        QVERIFY(form.looksUp());
        form.moveTo(inside, Qt::LeftButton);
        QVERIFY(!form.looksUp());
        form.moveTo(outside, Qt::LeftButton);
        QTest::mouseRelease(form.control, Qt::LeftButton, {}, outside);
        QVERIFY(form.looksUp());
        QCOMPARE(form.log, (QStringList{"MouseDown 1", "MouseUp 1"}));
    }

    // A toggle flips Value before its form hears the click, by mouse and by space.
    void toggleFlipsBeforeClick_data()
    {
        QTest::addColumn<bool>("bySpace");
        QTest::newRow("click") << false;
        QTest::newRow("space") << true;
    }
    void toggleFlipsBeforeClick()
    {
        QFETCH(bool, bySpace);
        InputForm form;
        form.control->letCheckBoxBehaviour(true);
        const auto press = [&] {
            if (bySpace) {
                QTest::keyClick(form.control, Qt::Key_Space);
            } else {
                QTest::mousePress(form.control, Qt::LeftButton, {}, inside);
                QTest::mouseRelease(form.control, Qt::LeftButton, {}, inside);
            }
        };
        press();
        QVERIFY(form.control->Value());
        QVERIFY(!form.looksUp());
        press();
        QVERIFY(!form.control->Value());
        QVERIFY(form.looksUp());
        QCOMPARE(form.log.filter("Click"), (QStringList{"Click 1", "Click 0"}));
    }

    void doubleClickShowsDownOnTheSecondPress()
    {
        InputForm form;
        QTest::mouseClick(form.control, Qt::LeftButton, {}, inside);
        QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(inside),
                           form.control->mapToGlobal(QPointF(inside)), Qt::LeftButton,
                           Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.control, &second);
        QVERIFY(!form.looksUp());
        QTest::mouseRelease(form.control, Qt::LeftButton, {}, inside);
        QVERIFY(form.looksUp());
        QCOMPARE(form.log,
                 (QStringList{"MouseDown 1", "MouseUp 1", "Click 0", "MouseDown 1", "MouseUp 1"}));
    }

    void arrowsMoveTheFocus_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("focused");
        QTest::newRow("right") << int(Qt::Key_Right) << "Next";
        QTest::newRow("down") << int(Qt::Key_Down) << "Next";
        QTest::newRow("left") << int(Qt::Key_Left) << "Last";
        QTest::newRow("up") << int(Qt::Key_Up) << "Last";
    }
    void arrowsMoveTheFocus()
    {
        QFETCH(int, key);
        QFETCH(QString, focused);
        InputForm form;
        form.enter();
        QTRY_VERIFY(form.control->hasFocus());
        QTest::keyClick(form.control, Qt::Key(key));
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), focused);
    }

    // A form may change the key in KeyDown: a space it turns into 0 neither presses nor
    // clicks.
    void keyDownByReference()
    {
        InputForm form;
        QObject::connect(form.control, &cmd::KeyDown, &form.window,
                         [](short &code, short &) { code = 0; });
        QTest::keyClick(form.control, Qt::Key_Space);
        QVERIFY(form.log.filter("Click").isEmpty());
    }

    void accessKey_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QChar>("key");
        QTest::newRow("plain") << "&Save" << QChar('s');
        QTest::newRow("inside a word") << "Sa&ve" << QChar('v');
        QTest::newRow("after a doubled ampersand") << "Save && &Exit" << QChar('e');
        QTest::newRow("only a doubled ampersand") << "&&Save" << QChar();
        QTest::newRow("two pairs: only one skipped") << "&&a &&b &c" << QChar();
        QTest::newRow("lone ampersand") << "&" << QChar();
        QTest::newRow("ampersand last") << "Save&" << QChar();
        QTest::newRow("none") << "Save" << QChar();
    }
    void accessKey()
    {
        QFETCH(QString, caption);
        QFETCH(QChar, key);
        InputForm form;
        form.control->letCaption(caption);
        QCOMPARE(form.control->accessKey(), key);
        QTest::keyClick(form.next, key.isNull() ? Qt::Key_S : Qt::Key(key.toUpper().unicode()),
                        Qt::AltModifier);
        QCOMPARE(form.log.filter("Click"), key.isNull() ? QStringList() : QStringList{"Click 0"});
    }

    void hoverRaisesOverAndOutOnce()
    {
        InputForm form;
        form.moveTo(inside);
        form.moveTo(inside + QPoint(3, 1));
        QVERIFY(!form.looksUp());
        form.moveTo(outside);
        QTRY_COMPARE(form.log, (QStringList{"MouseOver", "MouseOut"}));
        QVERIFY(form.looksUp());
        QVERIFY(!form.control->hoverTracking());
    }

    // PictureOver written away from the pointer changes nothing until the next hover.
    void pictureOverWaitsForTheHover()
    {
        InputForm form;
        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(Qt::red);
        const int paints = form.control->paintCount();
        form.control->letPictureOver(CmdPicture::bitmap(red));
        QCOMPARE(form.control->paintCount(), paints);
    }

    void accessibility_data()
    {
        QTest::addColumn<bool>("toggle");
        QTest::newRow("push button") << false;
        QTest::newRow("toggle") << true;
    }
    void accessibility()
    {
        QFETCH(bool, toggle);
        InputForm form;
        form.control->letCaption("Save && &Exit");
        form.control->letCheckBoxBehaviour(toggle);
        QAccessibleInterface *view = QAccessible::queryAccessibleInterface(form.control);
        QVERIFY(view);
        QCOMPARE(view->role(), QAccessible::Button);
        QCOMPARE(view->text(QAccessible::Name), QString("Save & Exit"));
        QCOMPARE(bool(view->state().checkable), toggle);
        view->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(form.log.filter("Click"), QStringList{QStringLiteral("Click %1").arg(toggle)});
        QCOMPARE(bool(view->state().checked), toggle);
    }
};

QTEST_MAIN(tst_cmdInput)
#include "tst_cmdInput.moc"
