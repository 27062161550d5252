#include "FlatCombo.h"

#include <QSignalBlocker>
#include <QStandardItemModel>

#include "TextOrvFrame.h"
#include "platform/HostColor.h"
#include "platform/Twips.h"

namespace
{

// In twips: the band of Shape that shows around Frame1, and the combo's own border, which
// Frame1 clips away; Frame1 is 56 twips lower than the combo, 23 cut at the top, 33 below.
constexpr int bandTwips = 10;
constexpr int comboBorderTwips = 23;
constexpr int clippedHeightTwips = 56;

} // namespace

FlatCombo::FlatCombo(const FlatComboKind &kind, QWidget *parent)
    : KeyedControl(parent), m_kind(kind), m_shape(new QWidget(this)), m_frame1(new QWidget(this)),
      m_combo(new QComboBox(m_frame1))
{
    m_shape->setObjectName(QStringLiteral("Shape"));
    m_shape->setAutoFillBackground(true);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_combo->setObjectName(QStringLiteral("Combo1"));
    QFont designFont(QStringLiteral("Verdana"));
    designFont.setPointSizeF(8.25);
    designFont.setBold(false);
    designFont.setItalic(false);
    m_combo->setFont(designFont);
    if (kind.style == OrvCombo::Style::DropDownCombo) {
        m_combo->setEditable(true);
        // Completion is the control's own, and typed text never joins the list.
        m_combo->setCompleter(nullptr);
        m_combo->setInsertPolicy(QComboBox::NoInsert);
        connect(m_combo, &QComboBox::editTextChanged, this, &FlatCombo::innerTextChanged);
    }
    connect(m_combo, &QComboBox::activated, this, &FlatCombo::Click);
    // The text follows a picked item or index as well as typing and assignment.
    connect(m_combo, &QComboBox::currentTextChanged, this, &FlatCombo::TextChanged);
    watchKeysOf(m_combo);
    connect(this, &QObject::objectNameChanged, this, &FlatCombo::nameForAccessibility);
    watchList();
    fillShape(TextOrvFrame::idleShapeColour);
    Clear();
    layoutChildren();
}

QFont FlatCombo::Font() const
{
    return m_combo->font();
}

QString FlatCombo::Text() const
{
    return m_combo->currentText();
}

bool FlatCombo::Enabled() const
{
    return m_combo->isEnabledTo(this);
}

float FlatCombo::FontSize() const
{
    return float(m_combo->font().pointSizeF());
}

QString FlatCombo::FontName() const
{
    return m_combo->font().family();
}

// A typing box shows an item when its text is the item's, whether picked or typed.
short FlatCombo::listIndex() const
{
    const int current = m_combo->currentIndex();
    if (!m_combo->isEditable() ||
        (current >= 0 && m_combo->itemText(current) == m_combo->currentText()))
        return short(current);
    return short(
        m_combo->findText(m_combo->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

short FlatCombo::ListCount() const
{
    return short(m_combo->count());
}

// Runs a change of the list that leaves the box showing what it showed, with nothing picked
// if nothing was: a combo would make the first item of a list current.
template <typename Edit> void FlatCombo::keepingShownText(Edit edit)
{
    const QSignalBlocker quiet(m_combo);
    const int current = m_combo->currentIndex();
    const QString text = m_combo->currentText();
    edit();
    if (current >= 0)
        return;
    m_combo->setCurrentIndex(-1);
    if (m_combo->isEditable())
        m_combo->setEditText(text);
}

void FlatCombo::letDataSource(QAbstractItemModel *model, int column)
{
    if (model == m_dataSource && (!model || column == m_combo->modelColumn()))
        return;
    m_dataSource = model;
    disconnect(m_combo->model(), nullptr, this, nullptr);
    keepingShownText([&] {
        // A combo deletes a model it owns when given another one.
        m_combo->setModel(model ? model : new QStandardItemModel(0, 1, m_combo));
        m_combo->setModelColumn(model ? column : 0);
    });
    setNewIndex(-1);
    watchList();
    listChanged();
    PropertyChanged(QStringLiteral("DataSource"));
    emit DataSourceChanged();
}

// As in the host's combo box, emptying the list empties the typed text too.
void FlatCombo::Clear()
{
    m_combo->clear();
    m_combo->clearEditText();
    setNewIndex(-1);
}

bool FlatCombo::AddItem(const QString &Item)
{
    return AddItem(Item, m_combo->count());
}

bool FlatCombo::AddItem(const QString &Item, int Index)
{
    const int count = m_combo->count();
    if (Index < 0 || Index > count)
        return false;
    keepingShownText([&] { m_combo->insertItem(Index, Item); });
    if (m_combo->count() == count)
        return false;
    setNewIndex(short(Index));
    return true;
}

void FlatCombo::RemoveItem(int Index)
{
    if (Index < 0 || Index >= m_combo->count())
        return;
    m_combo->removeItem(Index);
    // NewIndex keeps naming the item added last while it is there.
    if (Index == m_newIndex)
        setNewIndex(-1);
    else if (Index < m_newIndex)
        setNewIndex(short(m_newIndex - 1));
}

QString FlatCombo::List(int Index) const
{
    return m_combo->itemText(Index);
}

void FlatCombo::letList(int Index, const QString &value)
{
    if (Index < 0 || Index >= m_combo->count() || m_combo->itemText(Index) == value)
        return;
    m_combo->setItemText(Index, value);
    PropertyChanged(QStringLiteral("List"));
    emit ListChanged(Index);
}

qint32 FlatCombo::itemData(int Index) const
{
    return m_combo->itemData(Index).toInt();
}

void FlatCombo::letItemData(int Index, qint32 value)
{
    if (Index < 0 || Index >= m_combo->count())
        return;
    const QVariant old = m_combo->itemData(Index);
    if (old.isValid() && old.toInt() == value)
        return;
    m_combo->setItemData(Index, value);
    PropertyChanged(QStringLiteral("ItemData"));
    emit itemDataChanged(Index);
}

void FlatCombo::setNewIndex(short value)
{
    if (value == m_newIndex)
        return;
    m_newIndex = value;
    emit NewIndexChanged();
}

// Whatever changes the list, its own items or the host's model, is seen by the completion.
void FlatCombo::watchList()
{
    QAbstractItemModel *model = m_combo->model();
    const auto changed = [this] { listChanged(); };
    connect(model, &QAbstractItemModel::rowsInserted, this, changed);
    connect(model, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(model, &QAbstractItemModel::rowsMoved, this, changed);
    connect(model, &QAbstractItemModel::dataChanged, this, changed);
    connect(model, &QAbstractItemModel::modelReset, this, changed);
    connect(model, &QAbstractItemModel::layoutChanged, this, changed);
}

void FlatCombo::listChanged()
{
    m_completion.reset();
    emit ListCountChanged();
}

void FlatCombo::entered()
{
    fillShape(TextOrvFrame::focusShapeColour);
}

void FlatCombo::left()
{
    const bool inError = !m_errorFlag.isEmpty();
    fillShape(inError ? TextOrvFrame::errorShapeColour : TextOrvFrame::idleShapeColour);
    m_combo->setToolTip(m_errorFlag);
}

void FlatCombo::fillShape(quint32 colour)
{
    m_shapeColour = colour;
    QPalette palette = m_shape->palette();
    palette.setColor(QPalette::Window, HostColor::toColor(colour));
    m_shape->setPalette(palette);
}

// Assistive tools read the inner combo: it carries the name the form gives the control,
// or the control's object name.
void FlatCombo::nameForAccessibility()
{
    m_combo->setAccessibleName(accessibleName().isEmpty() ? objectName() : accessibleName());
    m_combo->setAccessibleDescription(m_errorFlag);
}

void FlatCombo::showEvent(QShowEvent *event)
{
    KeyedControl::showEvent(event);
    nameForAccessibility();
}

QSize FlatCombo::sizeHint() const
{
    const int dpi = logicalDpiX();
    const QSize combo = m_combo->sizeHint();
    return {combo.width(), combo.height() - Twips::toPixels(clippedHeightTwips, dpi) +
                               2 * Twips::toPixels(bandTwips, dpi)};
}

void FlatCombo::resizeEvent(QResizeEvent *event)
{
    KeyedControl::resizeEvent(event);
    layoutChildren();
}

void FlatCombo::layoutChildren()
{
    const int dpi = logicalDpiX();
    const int band = Twips::toPixels(bandTwips, dpi);
    const int border = Twips::toPixels(comboBorderTwips, dpi);
    const int comboHeight = m_combo->sizeHint().height();
    m_shape->setGeometry(0, 0, width() + band, height() + band);
    m_frame1->setGeometry(band, band, width() - border,
                          comboHeight - Twips::toPixels(clippedHeightTwips, dpi));
    m_combo->setGeometry(-border, -border, m_frame1->width() + 2 * border, comboHeight);
}
