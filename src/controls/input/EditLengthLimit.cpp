#include "EditLengthLimit.h"

#include <algorithm>

#include <QLineEdit>

EditLengthLimit::EditLengthLimit(QLineEdit *box) : QValidator(box), m_box(box)
{
    connect(box, &QLineEdit::textChanged, this, [this](const QString &text) { m_before = text; });
}

void EditLengthLimit::write(const QString &text)
{
    m_writing = true;
    m_box->setText(text);
    m_writing = false;
}

// An edit that grows the text past the limit keeps only as much of what it inserted before
// the caret as fits; when nothing fits, the box takes the edit back.
QValidator::State EditLengthLimit::validate(QString &input, int &pos) const
{
    const qsizetype allowed = std::max<qsizetype>(m_limit, m_before.size());
    if (m_writing || m_limit <= 0 || input.size() <= allowed)
        return Acceptable;
    const qsizetype excess = input.size() - allowed;
    if (excess > pos)
        return Invalid;
    const QString kept = QString(input).remove(pos - excess, excess);
    if (kept == m_before)
        return Invalid;
    input = kept;
    pos -= int(excess);
    return Acceptable;
}
