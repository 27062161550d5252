#pragma once

#include <QLineEdit>
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
