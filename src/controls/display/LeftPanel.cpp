#include "LeftPanel.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTableWidget>

#include "VelmoITNet22SU/VelmoError.h"
#include "platform/HostColor.h"
#include "platform/Twips.h"

namespace
{

enum Column { IconColumn = 0, CaptionColumn = 1, KeyColumn = 2 };

// Column widths in twips; a width of 0 hides the column.
const QString columnWidths = QStringLiteral("900|3900|0");
constexpr int columnCount = 3;
constexpr quint32 selectionColor = HostColor::rgb(188, 210, 237);
constexpr quint32 cellBorderColor = HostColor::rgb(218, 218, 218);
constexpr quint32 decoratedColor = HostColor::rgb(243, 246, 250);
// The list's top border lies above the control's edge.
constexpr int listTop = -10;

// The application's style with the list's cell border colour as grid colour, where a
// style sheet would cost a parse and a polish per panel. The list's frame takes the
// application's colours, not those of the form it sits on.
class ListStyle : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
        if (element != PE_Frame || !frame)
            return QProxyStyle::drawPrimitive(element, option, painter, widget);
        QStyleOptionFrame applicationColours(*frame);
        applicationColours.palette = QApplication::palette(widget);
        QProxyStyle::drawPrimitive(element, &applicationColours, painter, widget);
    }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_Table_GridLineColor)
            return int(HostColor::toColor(cellBorderColor).rgba());
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

const ControlProperties<LeftPanel> &LeftPanel::table()
{
    static const ControlProperties<LeftPanel> rows{
        propertyRow<&LeftPanel::Enabled, &LeftPanel::applyEnabled>("Enabled", true),
    };
    return rows;
}

LeftPanel::LeftPanel(QWidget *parent)
    : UserControl(parent), m_list(new QTableWidget(this)),
      m_default(QStringLiteral(":/velmo/panel/default.png")),
      m_active(QStringLiteral(":/velmo/panel/active.png"))
{
    m_list->setObjectName(QStringLiteral("lList"));
    setUpList();
    m_list->viewport()->installEventFilter(this);
}

void LeftPanel::setUpList()
{
    auto *style = new ListStyle;
    style->setParent(m_list);
    m_list->setStyle(style);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(12);
    m_list->setFont(font);
    QPalette palette = m_list->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, HostColor::toColor(selectionColor));
        palette.setColor(group, QPalette::HighlightedText, palette.color(QPalette::Text));
    }
    m_list->setPalette(palette);
    m_list->horizontalHeader()->hide();
    m_list->verticalHeader()->hide();
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setIconSize(QSize(16, 16));
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setColumnCount(columnCount);
    const QStringList widths = columnWidths.split(QLatin1Char('|'));
    for (int column = 0; column < widths.size(); ++column) {
        const int twips = widths[column].toInt();
        m_list->setColumnWidth(column, Twips::toPixels(twips, *this));
        m_list->setColumnHidden(column, twips == 0);
    }
}

bool LeftPanel::Enabled() const
{
    return m_list->isEnabledTo(this);
}

void LeftPanel::letEnabled(bool value)
{
    table().assign<&LeftPanel::Enabled>(*this, value);
}

void LeftPanel::applyEnabled(bool value)
{
    m_list->setEnabled(value);
}

void LeftPanel::ReadProperties(const PropertyBag &bag)
{
    table().read(*this, bag);
}

void LeftPanel::WriteProperties(PropertyBag &bag) const
{
    table().write(*this, bag);
}

int LeftPanel::AddItem(const QString &key, const QString &caption, bool decorated, bool active)
{
    const int row = m_list->rowCount();
    m_list->insertRow(row);
    auto *icon = new QTableWidgetItem;
    icon->setTextAlignment(Qt::AlignCenter);
    m_list->setItem(row, IconColumn, icon);
    m_list->setItem(row, CaptionColumn, new QTableWidgetItem(caption));
    m_list->setItem(row, KeyColumn, new QTableWidgetItem(key));
    markRow(row, active);
    const QColor back = decorated ? HostColor::toColor(decoratedColor) : QColor(Qt::white);
    for (int column = 0; column < columnCount; ++column)
        m_list->item(row, column)->setBackground(back);
    // The icon cell, so the list never scrolls sideways to the caption.
    m_list->setCurrentCell(row, IconColumn);
    return 0;
}

void LeftPanel::Clear()
{
    m_list->setRowCount(0);
}

QString LeftPanel::GetActiveKey() const
{
    return currentCell(KeyColumn);
}

QString LeftPanel::GetActiveCaption() const
{
    return currentCell(CaptionColumn);
}

QString LeftPanel::currentCell(int column) const
{
    const int row = m_list->currentRow();
    if (row < 0)
        throw VelmoError(QStringLiteral("The navigation panel has no current row"));
    return m_list->item(row, column)->text();
}

void LeftPanel::markRow(int row, bool active)
{
    m_list->item(row, IconColumn)->setIcon(active ? m_active : m_default);
    QTableWidgetItem *caption = m_list->item(row, CaptionColumn);
    QFont font = caption->font();
    font.setBold(active);
    caption->setFont(font);
}

void LeftPanel::clickList()
{
    if (m_list->rowCount() == 0 || m_list->currentRow() < 0)
        return;
    for (int row = 0; row < m_list->rowCount(); ++row)
        markRow(row, false);
    const int current = m_list->currentRow();
    for (int column = 0; column < columnCount; ++column)
        m_list->item(current, column)->setBackground(Qt::white);
    markRow(current, true);
    QString key = m_list->item(current, KeyColumn)->text();
    QString caption = m_list->item(current, CaptionColumn)->text();
    emit ItemClick(key, caption);
}

bool LeftPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        clickList();
    return UserControl::eventFilter(watched, event);
}

void LeftPanel::resizeEvent(QResizeEvent *)
{
    m_list->setGeometry(0, Twips::toPixels(listTop, *this), width(), height());
}
