#pragma once

#include <QImage>
#include <QRegion>
#include <QString>

#include "CmdEnums.h"
#include "CmdLayout.h"
#include "CmdPalette.h"
#include "CmdProperties.h"
#include "CmdScene.h"
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
// `letButtonType()` assigns; every assignment of a new value emits its change signal.
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
    Q_PROPERTY(Cmd::ColorScheme ColorScheme READ ColorScheme WRITE letColorScheme NOTIFY
                   ColorSchemeChanged)
    Q_PROPERTY(
        bool ShowFocusRect READ ShowFocusRect WRITE letShowFocusRect NOTIFY ShowFocusRectChanged)
    Q_PROPERTY(bool SoftBevel READ SoftBevel WRITE letSoftBevel NOTIFY SoftBevelChanged)
    Q_PROPERTY(Cmd::PicturePosition PicturePosition READ PicturePosition WRITE letPicturePosition
                   NOTIFY PicturePositionChanged)
    Q_PROPERTY(CmdPicture PictureNormal READ PictureNormal WRITE letPictureNormal NOTIFY
                   PictureNormalChanged)
    Q_PROPERTY(
        CmdPicture PictureOver READ PictureOver WRITE letPictureOver NOTIFY PictureOverChanged)
    Q_PROPERTY(bool UseMaskColor READ UseMaskColor WRITE letUseMaskColor NOTIFY UseMaskColorChanged)
    Q_PROPERTY(bool UseGreyscale READ UseGreyscale WRITE letUseGreyscale NOTIFY UseGreyscaleChanged)
    Q_PROPERTY(Cmd::SpecialEffect SpecialEffect READ SpecialEffect WRITE letSpecialEffect NOTIFY
                   SpecialEffectChanged)
    Q_PROPERTY(bool CheckBoxBehaviour READ CheckBoxBehaviour WRITE letCheckBoxBehaviour NOTIFY
                   CheckBoxBehaviourChanged)
    Q_PROPERTY(bool Value READ Value WRITE letValue NOTIFY ValueChanged)
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
    bool Enabled() const { return isEnabled(); }
    void letEnabled(bool value);
    Cmd::ColorScheme ColorScheme() const { return m_properties.ColorScheme; }
    void letColorScheme(Cmd::ColorScheme value);
    bool ShowFocusRect() const { return m_properties.ShowFocusRect; }
    void letShowFocusRect(bool value);
    bool SoftBevel() const { return m_properties.SoftBevel; }
    void letSoftBevel(bool value);
    Cmd::PicturePosition PicturePosition() const { return m_properties.PicturePosition; }
    void letPicturePosition(Cmd::PicturePosition value);
    const CmdPicture &PictureNormal() const { return m_properties.PictureNormal; }
    void letPictureNormal(const CmdPicture &value);
    const CmdPicture &PictureOver() const { return m_properties.PictureOver; }
    void letPictureOver(const CmdPicture &value);
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
    bool DisplayAsDefault() const { return m_displayAsDefault; }
    void letDisplayAsDefault(bool value);

    // Draws the button in `state` unless neither the state nor the caption changed
    // since the last drawing; `force` draws anyway.
    void Redraw(Cmd::DrawState state, bool force);
    // Stops all drawing until Refresh.
    void DisableRefresh();
    // Recaptures the background, recomputes colours and layout, and draws again.
    void Refresh();

    // What the button drew, for the gallery, checks and tests: W × H pixels, every
    // pixel outside the window shape fully transparent.
    const QImage &surface() const { return m_dc.image(); }
    // How many drawings the button made.
    int paintCount() const { return m_paintCount; }
    const CmdPalette &buttonPalette() const { return m_palette; }
    const CmdCaptionBox &captionBox() const { return m_captionBox; }
    QRect focusRect() const { return m_focusRect; }
    QRect pictureBox() const { return QRect(m_picturePosition, m_pictureSize); }

signals:
    void BackColorChanged();
    void BackOverChanged();
    void ForeColorChanged();
    void ForeOverChanged();
    void MaskColorChanged();
    void ButtonTypeChanged();
    void CaptionChanged();
    void EnabledChanged();
    void ColorSchemeChanged();
    void ShowFocusRectChanged();
    void SoftBevelChanged();
    void PicturePositionChanged();
    void PictureNormalChanged();
    void PictureOverChanged();
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
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    // What an assignment brings up to date before the look is drawn again.
    enum class Follow { Redraw, Palette, Layout };
    template <typename T>
    void assignProperty(T &field, const T &value, Follow follow, void (cmd::*changed)());
    CmdColorInputs colorInputs() const;
    void ComputePalette();
    void LayoutCaption();
    void CaptureBackground();
    void resizeButton();
    void redrawLast() { Redraw(m_lastState, true); }
    bool IsMouseOver(const QPointF &position) const;

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
};
