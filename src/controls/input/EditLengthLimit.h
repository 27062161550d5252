#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

// MaxLength as the host's text boxes keep it: what the user types, pastes or drops stops at
// the limit, but a text that the control or its form writes is never cut, nor is a text
// already longer than a limit set after it. The box's own maximum length would cut both.
class EditLengthLimit : public QValidator
{
public:
    // Watches `box`, which must then take this as its validator.
    explicit EditLengthLimit(QLineEdit *box);

    // 0: no limit.
    void setLimit(int limit) { m_limit = limit; }
    // Writes the text whatever its length.
    void write(const QString &text);

    State validate(QString &input, int &pos) const override;

private:
    QLineEdit *m_box;
    int m_limit = 0;
    bool m_writing = false;
    // The text before the edit being checked.
    QString m_before;
};
