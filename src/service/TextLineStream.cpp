#include "service/TextLineStream.h"

TextLineStream::TextLineStream(QString text, QString lineSeparator)
    : m_text(std::move(text)), m_lineSeparator(std::move(lineSeparator))
{
}

QString TextLineStream::readLine()
{
    const qsizetype end = m_text.indexOf(m_lineSeparator, m_position);
    const qsizetype lineEnd = end < 0 ? m_text.size() : end;
    const QString line = m_text.mid(m_position, lineEnd - m_position);
    m_position = end < 0 ? m_text.size() : end + m_lineSeparator.size();
    return line;
}
