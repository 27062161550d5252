#pragma once

#include <QColor>
#include <QLineEdit>

// TextOrv's inner box: a line edit that draws its own border (none, one black line, or
// the two-pixel sunken edge) inside its edges and keeps its text inside that border. Its
// mask character is answered by TextOrvBoxStyle.
class TextOrvBox : public QLineEdit
{
    Q_OBJECT

public:
    enum class Border { None, Single, Sunken };

    explicit TextOrvBox(QWidget *parent = nullptr);

    void setBorder(Border border);
    QChar maskCharacter() const { return m_mask; }
    // An empty mask shows the text as typed.
    void setMask(const QString &mask);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Border m_border = Border::None;
    QChar m_mask;
};
