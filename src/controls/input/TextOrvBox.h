#pragma once

#include <QColor>
#include <QLineEdit>

// TextOrv's inner box: a line edit that draws its own background and border (none, one black line, or the two-pixel sunken edge) inside its edges and keeps
// its text inside that border. Its mask character is answered by TextOrvBoxStyle.
class TextOrvBox : public QLineEdit
{
    Q_OBJECT

public:
    enum class Border { None, Single, Sunken };

    explicit TextOrvBox(QWidget *parent = nullptr);

    void setBorder(Border border);
    QColor background() const { return m_background; }
    void setBackground(const QColor &background);
    QChar maskCharacter() const { return m_mask; }
    // An empty mask shows the text as typed.
    void setMask(const QString &mask);

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void keepOutStyleSheets();

    Border m_border = Border::None;
    QColor m_background = Qt::white;
    QChar m_mask;
};
