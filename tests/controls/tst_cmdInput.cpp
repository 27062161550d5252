#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QtTest>

#include "ControlForm.h"
#include "controls/display/cmd.h"

namespace
{

const QPoint inside(30, 12);
const QPoint outside(200, 12);

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
    void focus()
    {
        enter();
        QTRY_VERIFY(control->hasFocus());
    }
    // The second press of a double click.
    void doubleClick(Qt::MouseButton button)
    {
        QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(inside),
                           control->mapToGlobal(QPointF(inside)), button, button,
                           Qt::NoModifier);
        QApplication::sendEvent(control, &second);
    }
    // The form turns every key the button is about to handle into 0.
    void zeroKeyDown()
    {
        QObject::connect(control, &cmd::KeyDown, &window, [](short &code, short &) { code = 0; });
    }
    bool looksUp() const { return control->surface() == up; }

    QLineEdit *last = nullptr;
    bool pointerInside = false;
    QStringList log;
    QImage up;
};

} // namespace

class tst_cmdInput : public QObject
{
    Q_OBJECT

private slots:
    // Steps of a user, the look after each, and what the form heard, in order. A toggle
    // flips Value before its form hears the click, by mouse and by space.
    void script_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("looks"); // u: up, d: not up, =: not painted, .: unchecked
        QTest::addColumn<QString>("heard");
        const auto row = [](const char *name, const char *steps, const char *looks,
                            const char *heard) {
            QTest::newRow(name) << QString(steps) << QString(looks) << QString(heard);
        };
        row("right button never changes the look", "focus, right press, right release",
            ".==", "MouseDown 2, MouseUp 2");
        row("left click", "press, release", "du", "MouseDown 1, MouseUp 1, Click 0");
        row("drag out and release outside", "press, drag out, drag in, drag out, release out",
            ".ud.u", "MouseDown 1, MouseUp 1");
        row("double click shows down on the second press", "press, release, double, release",
            "..du", "MouseDown 1, MouseUp 1, Click 0, MouseDown 1, MouseUp 1");
        row("right and middle double clicks raise both presses",
            "right press, right release, right double, right release, middle press, "
            "middle release, middle double, middle release",
            ".===dudu",
            "MouseDown 2, MouseUp 2, MouseDown 2, MouseUp 2, MouseDown 4, MouseUp 4, MouseDown 4, "
            "MouseUp 4");
        row("toggle by click", "toggle, press, release, press, release", "..d.u",
            "MouseDown 1, MouseUp 1, Click 1, MouseDown 1, MouseUp 1, Click 0");
        row("toggle by space", "toggle, space, space", ".du", "Click 1, Click 0");
        row("a space turned into 0 in KeyDown neither presses nor clicks", "zero key, space",
            ".=", "");
        row("hover raises over and out once", "move in, move on, move out", ".du",
            "MouseOver, MouseOut");
        row("PictureOver away from the pointer waits for the hover", "picture over", "=", "");
    }
    void script()
    {
        QFETCH(QString, steps);
        QFETCH(QString, looks);
        QFETCH(QString, heard);
        InputForm form;
        cmd *button = form.control;
        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(Qt::red);
        const QHash<QString, std::function<void()>> actions{
            {"focus", [&] { form.focus(); }},
            {"press", [&] { QTest::mousePress(button, Qt::LeftButton, {}, inside); }},
            {"release", [&] { QTest::mouseRelease(button, Qt::LeftButton, {}, inside); }},
            {"release out", [&] { QTest::mouseRelease(button, Qt::LeftButton, {}, outside); }},
            {"right press", [&] { QTest::mousePress(button, Qt::RightButton, {}, inside); }},
            {"right release", [&] { QTest::mouseRelease(button, Qt::RightButton, {}, inside); }},
            {"double", [&] { form.doubleClick(Qt::LeftButton); }},
            {"right double", [&] { form.doubleClick(Qt::RightButton); }},
            {"middle press", [&] { QTest::mousePress(button, Qt::MiddleButton, {}, inside); }},
            {"middle release",
             [&] { QTest::mouseRelease(button, Qt::MiddleButton, {}, inside); }},
            {"middle double", [&] { form.doubleClick(Qt::MiddleButton); }},
            {"drag out", [&] { form.moveTo(outside, Qt::LeftButton); }},
            {"drag in", [&] { form.moveTo(inside, Qt::LeftButton); }},
            {"move in", [&] { form.moveTo(inside); }},
            {"move on", [&] { form.moveTo(inside + QPoint(3, 1)); }},
            {"move out", [&] { form.moveTo(outside); }},
            {"toggle", [&] { button->letCheckBoxBehaviour(true); }},
            {"space", [&] { QTest::keyClick(button, Qt::Key_Space); }},
            {"zero key", [&] { form.zeroKeyDown(); }},
            {"picture over", [&] { button->letPictureOver(CmdPicture::bitmap(red)); }},
        };
        const QStringList stepList = steps.split(", ");
        for (int i = 0; i < stepList.size(); ++i) {
            const int paints = button->paintCount();
            QVERIFY2(actions.contains(stepList[i]), qPrintable(stepList[i]));
            actions[stepList[i]]();
            if (looks[i] == u'=')
                QCOMPARE(button->paintCount(), paints);
            else if (looks[i] != u'.')
                QTRY_COMPARE(form.looksUp(), looks[i] == u'u');
        }
        QTRY_COMPARE(form.log, heard.split(", ", Qt::SkipEmptyParts));
        QTRY_VERIFY(!button->hoverTracking());
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
        form.focus();
        QTest::keyClick(form.control, Qt::Key(key));
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), focused);
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
