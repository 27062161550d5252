#include "signin/LinkButton.h"

#include <QPainter>
#include <QStyle>

#include "signin/SignInTheme.h"

namespace
{

// Room around the caption: 4 pixels left and right, 2 above and below.
const QMargins padding(4, 2, 4, 2);
const QColor disabledText(0x9a, 0x9a, 0x9a);

} // namespace

LinkButton::LinkButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setFlat(true);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

QSize LinkButton::sizeHint() const
{
    ensurePolished();
    if (m_measuredSize.isEmpty() || m_measuredText != text() || m_measuredFont != font()) {
        m_measuredText = text();
        m_measuredFont = font();
        m_measuredSize = fontMetrics().size(Qt::TextShowMnemonic, text()).grownBy(padding);
    }
    return m_measuredSize;
}

QSize LinkButton::minimumSizeHint() const
{
    return sizeHint();
}

void LinkButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont caption = font();
    caption.setUnderline(hasFocus());
    painter.setFont(caption);
    painter.setPen(isEnabled() ? SignInTheme::heading : disabledText);
    int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this))
        flags |= Qt::TextHideMnemonic;
    painter.drawText(rect().marginsRemoved(padding), flags, text());
}
