#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest>

#include "platform/PropertyBag.h"

// A shown, active form holding one control ("control"), with `items` in its list if it has
// one, and a plain box after it ("Next"), so that focus can enter and leave the control as
// a user's Tab would. Like the host's forms it keeps the control's saved properties in
// `store`, and `changed` records every key that the control announces as changed, in order.
template <typename Control> struct ControlForm {
    QWidget window;
    Control *control;
    QLineEdit *next;
    PropertyBag store;
    QStringList changed;

    ControlForm(const QString &objectName, QSize size, const QStringList &items = {})
    {
        auto *layout = new QVBoxLayout(&window);
        control = new Control(&window);
        if constexpr (requires(Control & c) { c.AddItem(QString()); })
            for (const QString &item : items)
                control->AddItem(item);
        control->setObjectName(objectName);
        control->setFixedSize(size);
        QObject::connect(control, &Control::propertyChanged, &window,
                         [this](const QString &key) { changed << key; });
        next = new QLineEdit(&window);
        next->setObjectName("Next");
        layout->addWidget(control);
        layout->addWidget(next);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        next->setFocus();
    }

    void enter() const { control->setFocus(Qt::TabFocusReason); }
    void leave() const
    {
        QWidget *focused = window.focusWidget();
        QVERIFY2(focused, "nothing in the form has the focus");
        QTest::keyClick(focused, Qt::Key_Tab);
    }

    // The form saved: the store holds what the control writes now, and nothing else.
    void save()
    {
        store = PropertyBag();
        control->WriteProperties(store);
    }
    // The form opened again: the control loads the store.
    void load() { control->ReadProperties(store); }
};

// A data table of one row per class of Controls, in the column "kind".
template <typename... Controls> void addControlClassRows()
{
    QTest::addColumn<QString>("kind");
    ((QTest::newRow(Controls::staticMetaObject.className())
      << QString(Controls::staticMetaObject.className())),
     ...);
}

// Runs `test.template operator()<Control>()` with the class of Controls that `kind` names.
template <typename... Controls, typename Test> void withControlClass(const QString &kind, Test test)
{
    const bool found = ((kind == QLatin1String(Controls::staticMetaObject.className()) &&
                         (test.template operator()<Controls>(), true)) ||
                        ...);
    QVERIFY2(found, qPrintable(kind));
}

// The ways by which text reaches a box. Typed keys may hold "\r" (Enter), "\t" (Tab) and "\b"
// (Backspace); AltGr reports each key as Ctrl+Alt, as some layouts do.
enum class TextRoute { Keys, AltGr, InputMethod, Drop, CtrlV, ShiftInsert, MenuPaste };
Q_DECLARE_METATYPE(TextRoute)

inline void pasteFromMenu(QLineEdit *box)
{
    const QPoint middle = box->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Mouse, middle, box->mapToGlobal(middle));
    QCoreApplication::sendEvent(box, &request);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAction *paste = nullptr;
    for (QAction *action : menu->actions())
        if (action->text().startsWith(QLineEdit::tr("&Paste")))
            paste = action;
    QVERIFY(paste);
    paste->trigger();
    menu->close();
}

// Sends text to the box by one route; the pasting routes take it from the clipboard.
inline void deliverText(QLineEdit *box, TextRoute route, const QString &text)
{
    switch (route) {
    case TextRoute::Keys:
        QTest::keyClicks(box, text);
        return;
    case TextRoute::AltGr:
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::ControlModifier | Qt::AltModifier);
        return;
    case TextRoute::InputMethod: {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(box, &commit);
        return;
    }
    case TextRoute::Drop: {
        QMimeData mime;
        mime.setText(text);
        const QPoint middle = box->rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(box, &enter);
        QDropEvent drop(middle, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(box, &drop);
        return;
    }
    case TextRoute::CtrlV:
    case TextRoute::ShiftInsert:
    case TextRoute::MenuPaste:
        QGuiApplication::clipboard()->setText(text);
    }
    if (route == TextRoute::CtrlV)
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    else if (route == TextRoute::ShiftInsert)
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    else
        pasteFromMenu(box);
}
