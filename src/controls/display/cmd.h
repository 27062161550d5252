#pragma once

#include <QFont>
#include <QImage>
#include <QRegion>
#include <QString>
#include <QTimer>

#include <functional>

#include "CmdEnums.h"
#include "CmdLayout.h"
#include "CmdPalette.h"
#include "CmdProperties.h"
#include "CmdScene.h"
#include "controls/core/ControlProperties.h"
#include "platform/DeviceContext.h"
#include "platform/DeviceText.h"
#include "controls/core/UserControl.h"

// The library's owner-drawn push button. It paints itself completely on its own
// device context in one of fourteen looks and four colour schemes, up, hovered, down
// or disabled, and shows the result with a window shape of its type. A redraw happens
// only when the drawing state or the caption changed, or when forced; painting the
// widget only copies the finished surface.
//
// Properties follow the form code's get/let pairs: `ButtonType()` reads and
// `letButtonType()` assigns; every assignment of a new value tells the form under the
// property's saved key and emits its change signal. Events reach the form as signals
// with arguments by reference, delivered synchronously.
class QShortcut;
class PropertyBag;

class cmd : public UserControl
{
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE letBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(quint32 BackOver READ BackOver WRITE letBackOver NOTIFY BackOverChanged)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE letForeColor NOTIFY ForeColorChanged)
    Q_PROPERTY(quint32 ForeOver READ ForeOver WRITE letForeOver NOTIFY ForeOverChanged)
    Q_PROPERTY(quint32 MaskColor READ MaskColor WRITE letMaskColor NOTIFY MaskColorChanged)
    Q_PROPERTY(
        Cmd::ButtonType ButtonType READ ButtonType WRITE letButtonType NOTIFY ButtonTypeChanged)
    Q_PROPERTY(QString Caption READ Caption WRITE letCaption NOTIFY CaptionChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE letEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(QFont Font READ Font WRITE letFont NOTIFY FontChanged)
    Q_PROPERTY(bool FontBold READ FontBold WRITE letFontBold NOTIFY FontChanged)
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE letFontItalic NOTIFY FontChanged)
    Q_PROPERTY(bool FontUnderline READ FontUnderline WRITE letFontUnderline NOTIFY FontChanged)
    Q_PROPERTY(float FontSize READ FontSize WRITE letFontSize NOTIFY FontChanged)
    Q_PROPERTY(QString FontName READ FontName WRITE letFontName NOTIFY FontChanged)
    Q_PROPERTY(Cmd::ColorScheme ColorScheme READ ColorScheme WRITE letColorScheme NOTIFY
                   ColorSchemeChanged)
    Q_PROPERTY(
        bool ShowFocusRect READ ShowFocusRect WRITE letShowFocusRect NOTIFY ShowFocusRectChanged)
    Q_PROPERTY(
        short MousePointer READ MousePointer WRITE letMousePointer NOTIFY MousePointerChanged)
    Q_PROPERTY(CmdPicture MouseIcon READ MouseIcon WRITE letMouseIcon NOTIFY MouseIconChanged)
    Q_PROPERTY(bool HandPointer READ HandPointer WRITE letHandPointer NOTIFY HandPointerChanged)
    Q_PROPERTY(quintptr hwnd READ hwnd)
    Q_PROPERTY(bool SoftBevel READ SoftBevel WRITE letSoftBevel NOTIFY SoftBevelChanged)
    Q_PROPERTY(CmdPicture PictureNormal READ PictureNormal WRITE letPictureNormal NOTIFY
                   PictureNormalChanged)
    Q_PROPERTY(
        CmdPicture PictureOver READ PictureOver WRITE letPictureOver NOTIFY PictureOverChanged)
    Q_PROPERTY(Cmd::PicturePosition PicturePosition READ PicturePosition WRITE letPicturePosition
                   NOTIFY PicturePositionChanged)
    Q_PROPERTY(bool UseMaskColor READ UseMaskColor WRITE letUseMaskColor NOTIFY UseMaskColorChanged)
    Q_PROPERTY(bool UseGreyscale READ UseGreyscale WRITE letUseGreyscale NOTIFY UseGreyscaleChanged)
    Q_PROPERTY(Cmd::SpecialEffect SpecialEffect READ SpecialEffect WRITE letSpecialEffect NOTIFY
                   SpecialEffectChanged)
    Q_PROPERTY(bool CheckBoxBehaviour READ CheckBoxBehaviour WRITE letCheckBoxBehaviour NOTIFY
                   CheckBoxBehaviourChanged)
    Q_PROPERTY(bool Value READ Value WRITE letValue NOTIFY ValueChanged)
    Q_PROPERTY(QString Version READ Version CONSTANT)
    // Set by the container: this button is the one Enter presses.
    Q_PROPERTY(bool DisplayAsDefault READ DisplayAsDefault WRITE letDisplayAsDefault NOTIFY
                   DisplayAsDefaultChanged)

public:
    explicit cmd(QWidget *parent = nullptr);

    quint32 BackColor() const { return m_properties.BackColor; }
    void letBackColor(quint32 value);
    quint32 BackOver() const { return m_properties.BackOver; }
    void letBackOver(quint32 value);
    quint32 ForeColor() const { return m_properties.ForeColor; }
    void letForeColor(quint32 value);
    quint32 ForeOver() const { return m_properties.ForeOver; }
    void letForeOver(quint32 value);
    quint32 MaskColor() const { return m_properties.MaskColor; }
    void letMaskColor(quint32 value);
    Cmd::ButtonType ButtonType() const { return m_properties.ButtonType; }
    void letButtonType(Cmd::ButtonType value);
    QString Caption() const { return m_properties.Caption; }
    void letCaption(const QString &value);
    // The button's own setting: a disabled window around it leaves it unchanged.
    bool Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }
    void letEnabled(bool value);
    QFont Font() const { return font(); }
    void letFont(const QFont &value);
    bool FontBold() const { return font().bold(); }
    void letFontBold(bool value);
    bool FontItalic() const { return font().italic(); }
    void letFontItalic(bool value);
    bool FontUnderline() const { return font().underline(); }
    void letFontUnderline(bool value);
    float FontSize() const { return float(font().pointSizeF()); }
    void letFontSize(float value);
    QString FontName() const { return font().family(); }
    void letFontName(const QString &value);
    Cmd::ColorScheme ColorScheme() const { return m_properties.ColorScheme; }
    void letColorScheme(Cmd::ColorScheme value);
    bool ShowFocusRect() const { return m_properties.ShowFocusRect; }
    void letShowFocusRect(bool value);
    short MousePointer() const { return m_properties.MousePointer; }
    void letMousePointer(short value);
    const CmdPicture &MouseIcon() const { return m_properties.MouseIcon; }
    void letMouseIcon(const CmdPicture &value);
    bool HandPointer() const { return m_properties.HandPointer; }
    void letHandPointer(bool value);
    quintptr hwnd() const { return quintptr(winId()); }
    bool SoftBevel() const { return m_properties.SoftBevel; }
    void letSoftBevel(bool value);
    const CmdPicture &PictureNormal() const { return m_properties.PictureNormal; }
    void letPictureNormal(const CmdPicture &value);
    const CmdPicture &PictureOver() const { return m_properties.PictureOver; }
    void letPictureOver(const CmdPicture &value);
    Cmd::PicturePosition PicturePosition() const { return m_properties.PicturePosition; }
    void letPicturePosition(Cmd::PicturePosition value);
    bool UseMaskColor() const { return m_properties.UseMaskColor; }
    void letUseMaskColor(bool value);
    bool UseGreyscale() const { return m_properties.UseGreyscale; }
    void letUseGreyscale(bool value);
    Cmd::SpecialEffect SpecialEffect() const { return m_properties.SpecialEffect; }
    void letSpecialEffect(Cmd::SpecialEffect value);
    bool CheckBoxBehaviour() const { return m_properties.CheckBoxBehaviour; }
    void letCheckBoxBehaviour(bool value);
    bool Value() const { return m_properties.Value; }
    void letValue(bool value);
    static QString Version() { return QStringLiteral("2.0.6 B"); }
    bool DisplayAsDefault() const { return m_displayAsDefault; }
    void letDisplayAsDefault(bool value);

    // A button newly placed on a form.
    void InitProperties();
    // Loading from and saving to the form's property store; a value at its default is
    // not stored.
    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

    // Draws the button in `state` unless neither the state nor the caption changed
    // since the last drawing; `force` draws anyway.
    void Redraw(Cmd::DrawState state, bool force);
    // Stops all drawing until Refresh.
    void DisableRefresh();
    // Recaptures the background, recomputes colours and layout, and draws again.
    void Refresh();

    // The key that Alt presses with to click the button, from the caption's `&`; none
    // is a null character.
    QChar accessKey() const { return m_accessKey; }
    // Whether the pointer is over the button: by default the widget under the cursor is
    // the button. Tests and hosts whose platform does not track the cursor replace it.
    void setPointerCheck(std::function<bool(const cmd &)> check);

    // What the button drew, for the gallery, checks and tests: W × H pixels, every
    // pixel outside the window shape fully transparent.
    const QImage &surface() const { return m_dc.image(); }
    // How many drawings the button made.
    int paintCount() const { return m_paintCount; }
    const CmdPalette &buttonPalette() const { return m_palette; }
    const CmdCaptionBox &captionBox() const { return m_captionBox; }
    QRect focusRect() const { return m_focusRect; }
    QRect pictureBox() const { return QRect(m_picturePosition, m_pictureSize); }
    bool isOver() const { return m_isOver; }
    // Whether the hover timer runs, looking for the pointer to leave.
    bool hoverTracking() const { return m_overTimer.isActive(); }

signals:
    void Click();
    void MouseDown(short &Button, short &Shift, float &X, float &Y);
    void MouseMove(short &Button, short &Shift, float &X, float &Y);
    void MouseUp(short &Button, short &Shift, float &X, float &Y);
    void KeyPress(short &KeyAscii);
    void KeyDown(short &KeyCode, short &Shift);
    void KeyUp(short &KeyCode, short &Shift);
    void MouseOver();
    void MouseOut();

    void BackColorChanged();
    void BackOverChanged();
    void ForeColorChanged();
    void ForeOverChanged();
    void MaskColorChanged();
    void ButtonTypeChanged();
    void CaptionChanged();
    void EnabledChanged();
    void FontChanged();
    void ColorSchemeChanged();
    void ShowFocusRectChanged();
    void MousePointerChanged();
    void MouseIconChanged();
    void HandPointerChanged();
    void SoftBevelChanged();
    void PictureNormalChanged();
    void PictureOverChanged();
    void PicturePositionChanged();
    void UseMaskColorChanged();
    void UseGreyscaleChanged();
    void SpecialEffectChanged();
    void CheckBoxBehaviourChanged();
    void ValueChanged();
    void DisplayAsDefaultChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    friend class CmdAccessible;
    static const ControlProperties<cmd> &table();

    // What an assignment brings up to date before the look is drawn again.
    enum class Follow { Redraw, Palette, Layout };
    void follow(Follow what);
    template <auto Field, Follow What>
    void store(const std::remove_cvref_t<decltype(std::declval<CmdProperties &>().*Field)> &value)
    {
        m_properties.*Field = value;
        follow(What);
    }
    void applyButtonType(Cmd::ButtonType value);
    void applyCaption(const QString &value);
    void applyEnabled(bool value);
    void applyFont(const QFont &value) { setFont(value); }
    void applyColorScheme(Cmd::ColorScheme value);
    void applyPointer(short value);
    void applyMouseIcon(const CmdPicture &value);
    void applyHandPointer(bool value);
    void loadHandPointer(bool value);
    // Sets the pointer and its icon together, as the hand does.
    void setPointer(short pointer, const CmdPicture &icon);
    void applyPictureOver(const CmdPicture &value);
    void applyPictureFlag(bool CmdProperties::*field, bool value);
    void applyUseMaskColor(bool value) { applyPictureFlag(&CmdProperties::UseMaskColor, value); }
    void applyUseGreyscale(bool value) { applyPictureFlag(&CmdProperties::UseGreyscale, value); }
    void applyValue(bool value);
    // The saved forms of the properties whose default is another property or the form's.
    QString savedFont() const;
    void loadSavedFont(const QString &saved);
    qint64 savedBackOver() const;
    void loadBackOver(qint64 saved);
    qint64 savedForeOver() const;
    void loadForeOver(qint64 saved);
    template <typename Change> void changeFont(Change change);
    void showPointer();

    CmdColorInputs colorInputs() const;
    void ComputePalette();
    void LayoutCaption();
    void CaptureBackground();
    void resizeButton();
    void redrawLast() { Redraw(m_lastState, true); }
    bool IsMouseOver() const;
    void SetAccessKey();

    // Input, in the order a form sees it.
    void pressButton(short button, short shift, float x, float y);
    void clickButton();
    void raiseClick(bool force);
    void checkHover();

    CmdProperties m_properties;
    bool m_displayAsDefault = false;

    DeviceContext m_dc;
    CmdPalette m_palette;
    int m_W = 0;
    int m_H = 0;
    Cmd::DrawState m_lastState = Cmd::DrawState::Up;
    QString m_lastCaption;
    bool m_canRedraw = true;
    bool m_isOver = false;
    bool m_hasFocus = false;
    DeviceText m_caption;
    CmdCaptionBox m_captionBox;
    DeviceText m_boldCaption;
    CmdCaptionBox m_boldCaptionBox;
    QRect m_focusRect;
    QSize m_pictureSize;
    QPoint m_picturePosition;
    CmdCaptionMode m_lastCaptionMode = CmdCaptionMode::Up;
    QRegion m_region;
    QRegion m_outsideRegion;
    QImage m_background;
    int m_paintCount = 0;

    QTimer m_overTimer;
    std::function<bool(const cmd &)> m_pointerCheck;
    short m_lastButton = 0;
    short m_lastKey = 0;
    bool m_doubleClicked = false;
    QChar m_accessKey;
    QShortcut *m_accessShortcut = nullptr;
};
