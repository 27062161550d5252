#pragma once

#include <QRegularExpression>
#include <QString>

// Why a message is not fit to show a user: empty, markup or a JSON fragment, raw
// bytes, or no words at all. An empty result means it reads as a sentence.
inline QString whyNotHumanMessage(const QString &message)
{
    if (message.trimmed().isEmpty())
        return QStringLiteral("empty");
    if (message.size() > 400)
        return QStringLiteral("%1 characters long").arg(message.size());
    static const QRegularExpression markup(QStringLiteral("[<>{}\\[\\]]"));
    if (message.contains(markup))
        return QStringLiteral("markup or JSON: ") + message;
    for (const QChar c : message) {
        if ((c.category() == QChar::Other_Control && c != u'\n') ||
            c == QChar::ReplacementCharacter)
            return QStringLiteral("raw bytes: ") + message;
    }
    static const QRegularExpression words(QStringLiteral("\\p{L}{2,}\\s+\\p{L}{2,}"));
    if (!message.contains(words))
        return QStringLiteral("no words: ") + message;
    return {};
}
