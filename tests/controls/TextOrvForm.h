#pragma once

#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest>

#include "controls/input/TextOrv.h"

// A shown, active form holding one TextOrv ("Txt") and a plain box after it ("Next"),
// so that focus can enter and leave the control as a user's Tab would.
struct TextOrvForm {
    QWidget window;
    TextOrv *txt;
    QLineEdit *next;

    TextOrvForm()
    {
        auto *layout = new QVBoxLayout(&window);
        txt = new TextOrv(&window);
        txt->setObjectName("Txt");
        txt->setFixedSize(120, 24);
        next = new QLineEdit(&window);
        next->setObjectName("Next");
        layout->addWidget(txt);
        layout->addWidget(next);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        next->setFocus();
    }

    void enter() const { txt->setFocus(Qt::TabFocusReason); }
    void leave() const { QTest::keyClick(txt->Text1(), Qt::Key_Tab); }
};
