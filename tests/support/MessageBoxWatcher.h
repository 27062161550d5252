#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

// Answers message boxes as a user would: while it lives, it watches for the active
// modal QMessageBox, records its text, icon and title, and clicks its OK button.
class MessageBoxWatcher : public QObject
{
    Q_OBJECT

public:
    struct Message {
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
    };

    MessageBoxWatcher();

    const QList<Message> &messages() const { return m_messages; }
    // The only message seen; fails the calling test through QVERIFY-friendly empty
    // values when there was not exactly one.
    Message single() const;

private:
    void answerActiveBox();

    QTimer m_poll;
    QList<Message> m_messages;
    QPointer<QMessageBox> m_answered;
};
