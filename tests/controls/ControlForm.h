#pragma once

#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest>

#include "platform/PropertyBag.h"

// A shown, active form holding one control ("control") and a plain box after it ("Next"),
// so that focus can enter and leave the control as a user's Tab would. Like the host's
// forms it keeps the control's saved properties in `store`, and `changed` records every
// key that the control announces as changed, in order.
template <typename Control> struct ControlForm {
    QWidget window;
    Control *control;
    QLineEdit *next;
    PropertyBag store;
    QStringList changed;

    ControlForm(const QString &objectName, QSize size)
    {
        auto *layout = new QVBoxLayout(&window);
        control = new Control(&window);
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
