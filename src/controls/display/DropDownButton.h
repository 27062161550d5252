#pragma once

#include <QComboBox>
#include <QFont>
#include <QString>

#include "cmd.h"
#include "controls/core/ControlProperties.h"
#include "controls/core/UserControl.h"

class PropertyBag;

// A split button: the main `cmd` ("Default") shows the current choice, the narrow arrow
// `cmd` beside it ("DownArrow") opens the list of a combo box ("Combo1") lying behind
// them. Picking an entry shows it on the main button and raises Click with its index
// and text; pressing the main button raises Click for the current entry. The look
// properties pass through to the two buttons.
class DropDownButton : public UserControl
{
    Q_OBJECT
    Q_PROPERTY(QFont Font READ Font WRITE letFont NOTIFY FontChanged)
    Q_PROPERTY(QString Caption READ Caption WRITE letCaption NOTIFY CaptionChanged)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE letBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE letForeColor NOTIFY ForeColorChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE letEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(
        Cmd::ButtonType ButtonType READ ButtonType WRITE letButtonType NOTIFY ButtonTypeChanged)
    Q_PROPERTY(quint32 BackOver READ BackOver WRITE letBackOver NOTIFY BackOverChanged)
    Q_PROPERTY(quint32 ForeOver READ ForeOver WRITE letForeOver NOTIFY ForeOverChanged)
    Q_PROPERTY(Cmd::ColorScheme ColorScheme READ ColorScheme WRITE letColorScheme NOTIFY
                   ColorSchemeChanged)
    Q_PROPERTY(quint32 ArrowColor READ ArrowColor WRITE letArrowColor NOTIFY ArrowColorChanged)
    Q_PROPERTY(bool IsBlueButton READ IsBlueButton WRITE letIsBlueButton NOTIFY IsBlueButtonChanged)
    Q_PROPERTY(bool Reset READ Reset WRITE letReset NOTIFY ResetChanged)
    // One change signal for the font, whichever of its properties changed it.
    Q_PROPERTY(QString FontName READ FontName WRITE letFontName NOTIFY FontChanged)
    Q_PROPERTY(float FontSize READ FontSize WRITE letFontSize NOTIFY FontChanged)

public:
    explicit DropDownButton(QWidget *parent = nullptr);

    QFont Font() const { return m_default->Font(); }
    void letFont(const QFont &value);
    QString Caption() const { return m_default->Caption(); }
    void letCaption(const QString &value);
    quint32 BackColor() const { return m_default->BackColor(); }
    void letBackColor(quint32 value);
    quint32 ForeColor() const { return m_default->ForeColor(); }
    void letForeColor(quint32 value);
    bool Enabled() const { return m_default->Enabled(); }
    void letEnabled(bool value);
    Cmd::ButtonType ButtonType() const { return m_default->ButtonType(); }
    void letButtonType(Cmd::ButtonType value);
    quint32 BackOver() const { return m_default->BackOver(); }
    void letBackOver(quint32 value);
    quint32 ForeOver() const { return m_default->ForeOver(); }
    void letForeOver(quint32 value);
    Cmd::ColorScheme ColorScheme() const { return m_default->ColorScheme(); }
    void letColorScheme(Cmd::ColorScheme value);
    quint32 ArrowColor() const { return m_arrow->ForeColor(); }
    void letArrowColor(quint32 value);
    bool IsBlueButton() const { return m_isBlueButton; }
    void letIsBlueButton(bool value);
    bool Reset() const { return m_reset; }
    void letReset(bool value);
    QString FontName() const { return m_default->FontName(); }
    void letFontName(const QString &value);
    float FontSize() const { return m_default->FontSize(); }
    void letFontSize(float value);

    // Appends an entry to the list.
    void AddItem(const QString &item);

    // The entries of the list as shown, without their leading blanks.
    QStringList entries() const;

    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

signals:
    void Click(short &Index, QString &Caption);

    void FontChanged();
    void CaptionChanged();
    void BackColorChanged();
    void ForeColorChanged();
    void EnabledChanged();
    void ButtonTypeChanged();
    void BackOverChanged();
    void ForeOverChanged();
    void ColorSchemeChanged();
    void ArrowColorChanged();
    void IsBlueButtonChanged();
    void ResetChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    static const ControlProperties<DropDownButton> &table();

    // What the arrow button holds, read a second time under the main button's keys.
    quint32 arrowBackColor() const { return m_arrow->BackColor(); }
    bool arrowEnabled() const { return m_arrow->Enabled(); }
    Cmd::ButtonType arrowButtonType() const { return m_arrow->ButtonType(); }
    quint32 arrowBackOver() const { return m_arrow->BackOver(); }
    Cmd::ColorScheme arrowColorScheme() const { return m_arrow->ColorScheme(); }
    quint32 arrowForeOver() const { return m_arrow->ForeOver(); }

    // The font as the form saves it: none while it is the form's own.
    QString savedFont() const;
    void applySavedFont(const QString &description);
    void applyCaption(const QString &value);
    void loadCaption(const QString &value);
    // What an assignment passes to both buttons, to the main one, or to the arrow.
    template <auto Let, typename Value> void toBoth(Value value)
    {
        (m_default->*Let)(value);
        (m_arrow->*Let)(value);
    }
    template <auto Let, typename Value> void toDefault(Value value) { (m_default->*Let)(value); }
    template <auto Let, typename Value> void toArrow(Value value) { (m_arrow->*Let)(value); }
    void applyArrowColor(quint32 value);
    void loadArrowColor(quint32 value);
    void setIsBlue(bool value) { m_isBlueButton = value; }
    void setReset(bool value) { m_reset = value; }
    void showEntry(int index);
    void clickCurrent();

    cmd *m_default;
    cmd *m_arrow;
    QComboBox *m_combo;
    bool m_isBlueButton = false;
    bool m_reset = false;
};
