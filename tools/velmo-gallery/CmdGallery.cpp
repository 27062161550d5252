#include "CmdGallery.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProcess>
#include <QTextStream>

#include "CmdSheet.h"
#include "controls/display/cmd.h"
#include "platform/HostColor.h"

namespace
{

// The colours a custom-scheme button gets when the command line names none.
constexpr quint32 customBack = 0xE0C8A0;
constexpr quint32 customFore = 0x202020;

void configure(cmd &button, const CmdRenderOptions &options)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    button.setFont(font);
    const bool custom = options.scheme == int(Cmd::ColorScheme::Custom);
    const quint32 back = options.back.value_or(custom ? customBack : button.BackColor());
    const quint32 fore = options.fore.value_or(custom ? customFore : button.ForeColor());
    button.letBackColor(back);
    button.letBackOver(options.backOver.value_or(back));
    button.letForeColor(fore);
    button.letForeOver(options.foreOver.value_or(fore));
    button.letButtonType(Cmd::ButtonType(options.type));
    button.letColorScheme(Cmd::ColorScheme(options.scheme));
    button.letSoftBevel(options.soft);
    button.letShowFocusRect(!options.noFocusRect);
    button.letCheckBoxBehaviour(options.checkOn);
    button.letValue(options.checkOn);
    button.letDisplayAsDefault(options.isDefault);
    button.letSpecialEffect(Cmd::SpecialEffect(options.effect));
    button.letCaption(options.caption);
    if (options.mask)
        button.letMaskColor(*options.mask);
    button.letUseMaskColor(!options.noMask);
    button.letUseGreyscale(options.greyscale);
    button.letPicturePosition(Cmd::PicturePosition(options.position));
    if (!options.picture.isEmpty())
        button.letPictureNormal(CmdPicture::fromFile(options.picture));
    if (!options.pictureOver.isEmpty())
        button.letPictureOver(CmdPicture::fromFile(options.pictureOver));
}

void giveFocus(QWidget &window, cmd &button)
{
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    button.setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

void pointAtCentre(cmd &button)
{
    // The offscreen platform has no cursor to follow: the pointer stays over the button.
    button.setPointerCheck([](const cmd &) { return true; });
    const QPointF centre(button.width() / 2, button.height() / 2);
    QMouseEvent move(QEvent::MouseMove, centre, button.mapToGlobal(centre), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &move);
}

void pressSpace(cmd &button)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(&button, &press);
}

bool save(const QImage &picture, const QString &file)
{
    if (picture.save(file))
        return true;
    QTextStream(stderr) << "velmo-gallery: cannot write " << file << "\n";
    return false;
}

int usage(const QString &error)
{
    QTextStream(stderr) << "velmo-gallery: " << error << "\n" << cmdGalleryUsage;
    return 2;
}

int runBatch(const QString &file)
{
    QFile batch(file);
    if (!batch.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream(stderr) << "velmo-gallery: cannot read " << file << "\n";
        return 1;
    }
    int lineNumber = 0;
    while (!batch.atEnd()) {
        const QString line = QString::fromUtf8(batch.readLine()).trimmed();
        ++lineNumber;
        if (line.isEmpty())
            continue;
        QString error;
        const std::optional<CmdRenderOptions> options =
            parseCmdRenderOptions(QProcess::splitCommand(line), error);
        if (!options)
            return usage(QStringLiteral("line %1: %2").arg(lineNumber).arg(error));
        if (!save(renderCmd(*options), options->out))
            return 1;
    }
    return 0;
}

} // namespace

QImage renderCmd(const CmdRenderOptions &options)
{
    QWidget window;
    if (options.parent) {
        QPalette colours = window.palette();
        colours.setColor(QPalette::Window, HostColor::toColor(*options.parent));
        window.setPalette(colours);
    }
    window.setAutoFillBackground(true);
    window.resize(options.size);
    auto *button = new cmd(&window);
    configure(*button, options);
    button->setGeometry(QRect(QPoint(0, 0), options.size));
    window.show();
    QApplication::processEvents();

    using State = CmdRenderOptions::State;
    // The shown window hands its only focusable child the focus; a render without
    // --focus takes it away again.
    if (options.focus && options.state != State::Disabled)
        giveFocus(window, *button);
    else
        button->clearFocus();
    if (options.state == State::Hover || (options.state == State::Down && options.over))
        pointAtCentre(*button);
    if (options.state == State::Down)
        pressSpace(*button);
    if (options.state == State::Disabled)
        button->letEnabled(false);
    return button->surface().convertToFormat(QImage::Format_ARGB32);
}

int runCmdGallery(const QStringList &arguments)
{
    QString error;
    const std::optional<CmdGalleryRequest> request = parseCmdGalleryRequest(arguments, error);
    if (!request)
        return usage(error);
    switch (request->kind) {
    case CmdGalleryRequest::Kind::Batch:
        return runBatch(request->file);
    case CmdGalleryRequest::Kind::Sheet:
        return save(renderCmdSheet(), request->file) ? 0 : 1;
    case CmdGalleryRequest::Kind::Render:
        break;
    }
    return save(renderCmd(request->render), request->render.out) ? 0 : 1;
}
