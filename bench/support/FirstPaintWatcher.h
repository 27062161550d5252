#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

// Times how long a window takes from the call that opens it to its first painted
// frame. It watches every paint event of the application: the first paint of a top-level
// dialog (message boxes aside) starts that window's first paint pass; once the pass has
// finished, the time is taken and the window is closed.
class FirstPaintWatcher : public QObject
{
public:
    FirstPaintWatcher();
    ~FirstPaintWatcher() override;

    // Calls open(), which must show a dialog modally and return once it has closed.
    // whilePainted runs on the painted window just before it is closed. The seconds from
    // the call of open() to the end of the first paint pass; none when no dialog painted
    // within half a minute or a message box came up first (see messageShown()).
    std::optional<double> timeFirstFrame(const std::function<void()> &open,
                                         const std::function<void(QWidget &)> &whilePainted = {});

    // The text of a message box that came up during the last opening; empty when none did.
    QString messageShown() const { return m_message; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void firstPassDone();
    void giveUp();

    QElapsedTimer m_clock;
    bool m_armed = false;
    QPointer<QWidget> m_window;
    std::optional<double> m_seconds;
    std::function<void(QWidget &)> m_whilePainted;
    QString m_message;
};
