#include "cmd.h"

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QPainter>

#include "CmdAccessible.h"
#include "CmdLooks.h"
#include "CmdPictures.h"
#include "CmdRegion.h"
#include "platform/AnsiCodePage.h"
#include "platform/HostColor.h"

namespace
{

// The caption as the desktop's single-byte text drawing sees it.
QString ansiForm(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (const QChar c : caption)
        shown += AnsiCodePage::fromAnsi(AnsiCodePage::toAnsi(c));
    return shown;
}

} // namespace

cmd::cmd(QWidget *parent) : UserControl(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_properties.BackColor = m_properties.BackOver = TranslateColor(CmdButtonFace);
    m_properties.ForeColor = m_properties.ForeOver = TranslateColor(CmdButtonText);
    ComputePalette();
    CmdAccessible::install();
    m_pointerCheck = [](const cmd &button) {
        return QApplication::widgetAt(QCursor::pos()) == &button;
    };
    // Created running: shortly after a button appears away from the pointer it reports
    // the pointer out once, and waits for the next hover.
    m_overTimer.setInterval(3);
    connect(&m_overTimer, &QTimer::timeout, this, &cmd::checkHover);
    m_overTimer.start();
}

CmdColorInputs cmd::colorInputs() const
{
    CmdColorInputs inputs;
    inputs.scheme = m_properties.ColorScheme;
    inputs.buttonType = m_properties.ButtonType;
    inputs.backColor = m_properties.BackColor;
    inputs.foreColor = m_properties.ForeColor;
    inputs.foreOver = m_properties.ForeOver;
    inputs.maskColor = m_properties.MaskColor;
    inputs.softBevel = m_properties.SoftBevel;
    const QWidget *holder = parentWidget() ? parentWidget() : this;
    const QPalette &colours = holder->palette();
    inputs.parentBack = HostColor::fromColor(colours.color(holder->backgroundRole()));
    inputs.parentText = HostColor::fromColor(colours.color(holder->foregroundRole()));
    return inputs;
}

void cmd::ComputePalette()
{
    m_palette = ::ComputePalette(colorInputs());
}

void cmd::LayoutCaption()
{
    m_pictureSize = MeasurePicture(m_properties.PictureNormal);
    const Cmd::PicturePosition position = m_properties.PicturePosition;
    const QString shown = ansiForm(m_properties.Caption);
    const int wrapWidth = CaptionArea(m_W, m_H, position, m_pictureSize).width();
    m_caption = DeviceText(font(), shown, wrapWidth);
    m_captionBox = ::LayoutCaption(m_W, m_H, position, m_pictureSize, m_caption.size());
    if (m_properties.ButtonType == Cmd::ButtonType::FadedGradient) {
        QFont bold = font();
        bold.setBold(true);
        m_boldCaption = DeviceText(bold, shown, wrapWidth);
        m_boldCaptionBox = ::LayoutCaption(m_W, m_H, position, m_pictureSize, m_boldCaption.size());
    }
    if (!m_properties.PictureNormal.isNull() || !m_properties.PictureOver.isNull())
        m_picturePosition = LayoutPicture(m_W, m_H, position, m_pictureSize, m_captionBox,
                                          m_properties.Caption.trimmed().isEmpty());
}

void cmd::CaptureBackground()
{
    // The parent's own drawing under the button; siblings are not part of it.
    QWidget *parent = parentWidget();
    if (!parent || width() <= 0 || height() <= 0)
        return;
    QImage shot(size(), QImage::Format_ARGB32_Premultiplied);
    shot.fill(parent->palette().color(parent->backgroundRole()));
    parent->render(&shot, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
    m_background = shot;
}

void cmd::resizeButton()
{
    m_W = width();
    m_H = height();
    m_focusRect = FocusRectFor(m_properties.ButtonType, m_W, m_H);
    LayoutCaption();
    m_region = BuildRegion(m_properties.ButtonType, m_W, m_H);
    m_outsideRegion = QRegion(0, 0, m_W, m_H) - m_region;
    setMask(m_region);
    m_dc.resize(m_W, m_H);
    if (m_H != 0)
        Redraw(Cmd::DrawState::Up, true);
}

void cmd::Redraw(Cmd::DrawState state, bool force)
{
    if (m_properties.CheckBoxBehaviour && m_properties.Value)
        state = Cmd::DrawState::Down;
    if (!force && m_properties.Caption == m_lastCaption && state == m_lastState)
        return;
    if (m_H == 0 || !m_canRedraw)
        return;
    m_lastState = state;
    m_lastCaption = m_properties.Caption;
    ++m_paintCount;

    CmdScene scene(m_dc);
    scene.palette = m_palette;
    if (m_isOver && m_properties.ColorScheme == Cmd::ColorScheme::Custom) {
        // Under the pointer the whole custom palette follows the hover face.
        CmdColorInputs hovered = colorInputs();
        hovered.backColor = m_properties.BackOver;
        scene.palette = ::ComputePalette(hovered);
    }
    scene.type = m_properties.ButtonType;
    scene.scheme = m_properties.ColorScheme;
    scene.effect = m_properties.SpecialEffect;
    scene.W = m_W;
    scene.H = m_H;
    scene.isOver = m_isOver;
    scene.hasFocus = m_hasFocus;
    scene.showFocusRect = m_properties.ShowFocusRect;
    scene.displayAsDefault = m_displayAsDefault;
    scene.softBevel = m_properties.SoftBevel;
    scene.focusRect = m_focusRect;
    scene.caption = &m_caption;
    scene.captionBox = m_captionBox;
    scene.boldCaption = &m_boldCaption;
    scene.boldCaptionBox = m_boldCaptionBox;
    scene.background = m_background.isNull() ? nullptr : &m_background;
    if (!m_properties.PictureNormal.isNull())
        scene.pictureNormal = &m_properties.PictureNormal;
    if (!m_properties.PictureOver.isNull())
        scene.pictureOver = &m_properties.PictureOver;
    scene.pictureBox = QRect(m_picturePosition, m_pictureSize);
    scene.picturePosition = m_properties.PicturePosition;
    scene.useMaskColor = m_properties.UseMaskColor;
    scene.useGreyscale = m_properties.UseGreyscale;

    m_dc.fillRect(0, 0, m_W, m_H, scene.palette.FaceColor);
    std::optional<CmdLookState> look;
    CmdPictureMode pictureMode = CmdPictureMode::Up;
    if (!Enabled()) {
        look = CmdLookState::Disabled;
        pictureMode = CmdPictureMode::Disabled;
    } else if (state == Cmd::DrawState::Down) {
        look = CmdLookState::Down;
        pictureMode = CmdPictureMode::Down;
    } else if (state == Cmd::DrawState::Up) {
        look = CmdLookState::Up;
    }
    if (look) {
        if (const std::optional<CmdCaptionMode> mode = DrawLook(scene, *look))
            m_lastCaptionMode = *mode;
        DrawPictures(scene, pictureMode, m_lastCaptionMode);
    }
    m_dc.erase(m_outsideRegion);
    update();
}

void cmd::DisableRefresh()
{
    m_canRedraw = false;
}

void cmd::Refresh()
{
    if (m_properties.ButtonType == Cmd::ButtonType::ParentBackground)
        CaptureBackground();
    ComputePalette();
    LayoutCaption();
    m_canRedraw = true;
    redrawLast();
}

void cmd::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, m_dc.image());
}

void cmd::resizeEvent(QResizeEvent *)
{
    resizeButton();
}

void cmd::showEvent(QShowEvent *)
{
    if (m_properties.ButtonType == Cmd::ButtonType::ParentBackground)
        CaptureBackground();
    m_canRedraw = true;
    ComputePalette();
    Redraw(Cmd::DrawState::Up, true);
}

void cmd::hideEvent(QHideEvent *)
{
    m_canRedraw = false;
}

void cmd::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        redrawLast();
        break;
    case QEvent::FontChange:
        LayoutCaption();
        redrawLast();
        break;
    case QEvent::PaletteChange:
    case QEvent::ParentChange:
        ComputePalette();
        redrawLast();
        break;
    default:
        break;
    }
    UserControl::changeEvent(event);
}

// Turning to another window and back keeps the focus mark: only the button's own loss of the
// focus takes it away. A window that opens or returns with the focus on the button shows it.
void cmd::focusInEvent(QFocusEvent *)
{
    if (m_hasFocus)
        return;
    m_hasFocus = true;
    redrawLast();
}

void cmd::focusOutEvent(QFocusEvent *event)
{
    if (event->reason() == Qt::ActiveWindowFocusReason)
        return;
    m_hasFocus = false;
    redrawLast();
}
