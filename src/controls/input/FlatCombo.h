#pragma once

#include <optional>

#include <QAbstractItemModel>
#include <QComboBox>
#include <QFont>
#include <QPointer>
#include <QString>

#include "FlatComboKind.h"
#include "KeyedControl.h"
#include "controls/core/ControlProperties.h"
#include "platform/TypeAheadCompletion.h"

// A flat-looking combo box: the inner combo `Combo1` is clipped inside the borderless
// `Frame1`, so its own border is not seen, and the filled `Shape` behind them shows as a
// narrow band that turns light blue with the focus and red on error. Enter moves on as Tab
// does. Key events reach the form first (KeyedControl). OCombo1 and
// OComboReadOnly are this control with the kind that tells them apart (FlatComboKind).
//
// Properties follow the form code's get/let pairs; the list members forward to Combo1.
class FlatCombo : public KeyedControl
{
    Q_OBJECT
    Q_PROPERTY(QString ErrorFlag READ ErrorFlag WRITE letErrorFlag NOTIFY ErrorFlagChanged)
    Q_PROPERTY(QFont Font READ Font WRITE letFont NOTIFY FontChanged)
    Q_PROPERTY(QString Text READ Text WRITE letText NOTIFY TextChanged)
    Q_PROPERTY(QAbstractItemModel *DataSource READ DataSource WRITE letDataSource NOTIFY
                   DataSourceChanged DESIGNABLE false)
    Q_PROPERTY(bool Enabled READ Enabled WRITE letEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(float FontSize READ FontSize WRITE letFontSize NOTIFY FontSizeChanged)
    Q_PROPERTY(QString FontName READ FontName WRITE letFontName NOTIFY FontNameChanged)
    Q_PROPERTY(short listIndex READ listIndex WRITE letListIndex NOTIFY listIndexChanged)
    Q_PROPERTY(short ListCount READ ListCount NOTIFY ListCountChanged)
    Q_PROPERTY(short NewIndex READ NewIndex NOTIFY NewIndexChanged)
    Q_PROPERTY(bool Sorted READ Sorted CONSTANT)
    Q_PROPERTY(OrvCombo::Style Style READ Style CONSTANT)

public:
    QString ErrorFlag() const { return m_errorFlag; }
    void letErrorFlag(const QString &value);
    QFont Font() const;
    void letFont(const QFont &value);
    QString Text() const;
    void letText(const QString &value);
    // The list shows `column` of the host's model (a query model over its own connection,
    // say); none gives the control its own empty list again. The model stays the host's.
    QAbstractItemModel *DataSource() const { return m_dataSource; }
    void letDataSource(QAbstractItemModel *model, int column = 0);
    bool Enabled() const;
    void letEnabled(bool value);
    float FontSize() const;
    void letFontSize(float value);
    QString FontName() const;
    void letFontName(const QString &value);
    // The item that the box shows, -1 when it shows none.
    short listIndex() const;
    void letListIndex(short value);
    short ListCount() const;
    short NewIndex() const { return m_newIndex; }
    // The list keeps the order items are added in.
    bool Sorted() const { return false; }
    OrvCombo::Style Style() const { return m_kind.style; }

    Q_INVOKABLE void Clear();
    // Appends the item, or inserts it before `Index`; false when the index lies outside
    // 0..ListCount or the list belongs to a model that takes no rows.
    Q_INVOKABLE bool AddItem(const QString &Item);
    Q_INVOKABLE bool AddItem(const QString &Item, int Index);
    // An index outside the list removes nothing.
    Q_INVOKABLE void RemoveItem(int Index);
    Q_INVOKABLE QString List(int Index) const;
    Q_INVOKABLE void letList(int Index, const QString &value);
    Q_INVOKABLE qint32 itemData(int Index) const;
    Q_INVOKABLE void letItemData(int Index, qint32 value);

    // Design-time persistence in the form's property store.
    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

    // The inner parts, for the form's layout code, tests and the gallery.
    QComboBox *Combo1() const { return m_combo; }
    QWidget *Frame1() const { return m_frame1; }
    QWidget *Shape() const { return m_shape; }
    quint32 shapeColour() const { return m_shapeColour; }

    QSize sizeHint() const override;

signals:
    void Click();

    void ErrorFlagChanged();
    void FontChanged();
    void TextChanged();
    void DataSourceChanged();
    void EnabledChanged();
    void FontSizeChanged();
    void FontNameChanged();
    void listIndexChanged();
    void ListCountChanged();
    void NewIndexChanged();
    void ListChanged(int index);
    void itemDataChanged(int index);

protected:
    FlatCombo(const FlatComboKind &kind, QWidget *parent);

    bool keyPressed(QKeyEvent &event, short keyCode) override;
    void entered() override;
    void left() override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // The property table of this kind: saved keys, their order and defaults, announcements.
    const ControlProperties<FlatCombo> &properties() const;
    static ControlProperties<FlatCombo> tableFor(const FlatComboKind &kind);

    // The font as saved: empty while it is the container's (ambient) font.
    QString savedFont() const;
    void applySavedFont(const QString &value);
    void applyErrorFlag(const QString &value);
    void storeErrorFlag(const QString &value);
    void applyText(const QString &value);
    void applyEnabled(bool value);
    void applyFontSize(float value);
    void applyFontName(const QString &value);
    void applyListIndex(short value);
    // The index of the item whose text is `value`, -1 when no item has it.
    int itemWithText(const QString &value) const;

    void innerTextChanged();
    void complete();
    void fillShape(quint32 colour);
    template <typename Edit> void keepingShownText(Edit edit);
    void watchList();
    void listChanged();
    void setNewIndex(short value);
    void nameForAccessibility();
    void layoutChildren();

    const FlatComboKind &m_kind;
    QWidget *m_shape;
    QWidget *m_frame1;
    QComboBox *m_combo;
    QString m_errorFlag;
    quint32 m_shapeColour = 0;
    short m_newIndex = -1;
    QPointer<QAbstractItemModel> m_dataSource;
    // The completion's view of the list, made again at the first keystroke after a change.
    std::optional<TypeAheadCompletion> m_completion;
    // Set by the last key pressed: deleting never completes again.
    bool m_backspaceDown = false;
    bool m_deleteDown = false;
    bool m_completing = false;
    // The form's code is assigning the text, which completes as typed text does.
    bool m_assigningText = false;
};
