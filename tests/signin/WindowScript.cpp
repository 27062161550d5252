#include "WindowScript.h"

#include <QApplication>

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
    m_script(*window);
}
