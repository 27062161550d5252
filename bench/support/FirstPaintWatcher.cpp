#include "FirstPaintWatcher.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>

namespace
{

constexpr int giveUpMilliseconds = 30000;

} // namespace

FirstPaintWatcher::FirstPaintWatcher()
{
    qApp->installEventFilter(this);
}

FirstPaintWatcher::~FirstPaintWatcher()
{
    qApp->removeEventFilter(this);
}

std::optional<double>
FirstPaintWatcher::timeFirstFrame(const std::function<void()> &open,
                                  const std::function<void(QWidget &)> &whilePainted)
{
    m_seconds.reset();
    m_message.clear();
    m_window.clear();
    m_whilePainted = whilePainted;
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, &FirstPaintWatcher::giveUp);
    guard.start(giveUpMilliseconds);
    m_armed = true;
    m_clock.start();
    open();
    m_armed = false;
    if (!m_message.isEmpty())
        return std::nullopt;
    return m_seconds;
}

bool FirstPaintWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_armed || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (auto *box = qobject_cast<QMessageBox *>(widget); box && event->type() == QEvent::Show) {
        m_message = box->text();
        QTimer::singleShot(0, box, &QMessageBox::accept);
        return false;
    }
    if (event->type() == QEvent::Paint && !m_window && widget->isWindow() &&
        qobject_cast<QDialog *>(widget) && !qobject_cast<QMessageBox *>(widget)) {
        m_window = widget;
        // Queued behind the rest of this paint pass: the children paint after the window.
        QMetaObject::invokeMethod(this, &FirstPaintWatcher::firstPassDone, Qt::QueuedConnection);
    }
    return false;
}

void FirstPaintWatcher::firstPassDone()
{
    m_seconds = m_clock.nsecsElapsed() / 1e9;
    if (!m_window)
        return;
    if (m_whilePainted)
        m_whilePainted(*m_window);
    m_window->close();
}

void FirstPaintWatcher::giveUp()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        modal->close();
}
