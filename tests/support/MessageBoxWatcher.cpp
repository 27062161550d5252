#include "MessageBoxWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

MessageBoxWatcher::MessageBoxWatcher()
{
    connect(&m_poll, &QTimer::timeout, this, &MessageBoxWatcher::answerActiveBox);
    m_poll.start(10);
}

MessageBoxWatcher::Message MessageBoxWatcher::single() const
{
    return m_messages.size() == 1 ? m_messages.front() : Message{};
}

void MessageBoxWatcher::answerActiveBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box == m_answered)
        return;
    QAbstractButton *ok = box->button(QMessageBox::Ok);
    if (!ok)
        return;
    m_answered = box;
    m_messages.append({box->text(), box->icon(), box->windowTitle()});
    QTest::mouseClick(ok, Qt::LeftButton);
}
