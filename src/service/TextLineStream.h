#pragma once

#include <QString>

// Decoded text read one line at a time; the separator (line feed, or carriage
// return plus line feed) is not part of the lines.
class TextLineStream
{
public:
    TextLineStream() = default;
    TextLineStream(QString text, QString lineSeparator);

    bool atEnd() const { return m_position >= m_text.size(); }
    QString readLine();

private:
    QString m_text;
    QString m_lineSeparator = QStringLiteral("\n");
    qsizetype m_position = 0;
};
