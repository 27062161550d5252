#include "WindowScript.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include "signin/FrmSignUp.h"

WindowScript::WindowScript(std::function<void(FrmSignUp &)> script) : m_script(std::move(script))
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &WindowScript::poll);
    m_timer.start();
}

void WindowScript::poll()
{
    auto *window = qobject_cast<FrmSignUp *>(QApplication::activeModalWidget());
    if (!window || m_ran)
        return;
    m_ran = true;
    m_timer.stop();
    const QPointer<FrmSignUp> open(window);
    m_script(*window);
    // A failed check returns from the script early; the modal window must still go, or
    // the test would wait for the time-out.
    if (QTest::currentTestFailed() && open && open->isVisible())
        open->close();
}
