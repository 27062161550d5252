#include "CmdSheet.h"

#include <QPainter>
#include <QTemporaryDir>

#include "CmdGallery.h"
#include "DropDownGallery.h"
#include "controls/display/CmdEnums.h"
#include "platform/HostColor.h"

namespace
{

constexpr QSize buttonSize(75, 23);
constexpr int labelWidth = 64;
constexpr int cellWidth = buttonSize.width() + 12;
constexpr int cellHeight = buttonSize.height() + 8;
constexpr int headerHeight = 40;
constexpr int typeCount = 14;
const QColor sheetColour(0xec, 0xec, 0xec);

struct Column {
    const char *title;
    CmdRenderOptions::State state;
    bool focus;
    bool isDefault;
};

constexpr Column columns[] = {
    {"up", CmdRenderOptions::State::Up, false, false},
    {"hover", CmdRenderOptions::State::Hover, false, false},
    {"down", CmdRenderOptions::State::Down, false, false},
    {"disabled", CmdRenderOptions::State::Disabled, false, false},
    {"focus", CmdRenderOptions::State::Up, true, false},
    {"default", CmdRenderOptions::State::Up, false, true},
};

QImage render(int type, int scheme, const Column &column)
{
    CmdRenderOptions options;
    options.type = type;
    options.scheme = scheme;
    options.size = buttonSize;
    options.state = column.state;
    options.focus = column.focus;
    options.isDefault = column.isDefault;
    options.caption = QStringLiteral("&Apply");
    options.parent = HostColor::fromColor(sheetColour);
    return renderCmd(options);
}

void drawTitle(QPainter &painter, int top, const QString &title)
{
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QPoint(8, top + 16), title);
    bold.setBold(false);
    painter.setFont(bold);
}

void drawScheme(QPainter &painter, int top, int scheme, const QString &title)
{
    drawTitle(painter, top, title);
    for (int c = 0; c < int(std::size(columns)); ++c)
        painter.drawText(QPoint(labelWidth + c * cellWidth, top + headerHeight - 6),
                         QLatin1String(columns[c].title));
    for (int type = 1; type <= typeCount; ++type) {
        const int y = top + headerHeight + (type - 1) * cellHeight;
        painter.drawText(QPoint(8, y + 16), QStringLiteral("type %1").arg(type));
        const QImage up = render(type, scheme, columns[0]);
        for (int c = 0; c < int(std::size(columns)); ++c) {
            const QImage picture = c == 0 ? up : render(type, scheme, columns[c]);
            const QPoint at(labelWidth + c * cellWidth, y);
            // Focus and default are shown only where they change the look.
            if (c >= 4 && picture == up)
                painter.drawText(at + QPoint(buttonSize.width() / 2 - 4, 16), QStringLiteral("="));
            else
                painter.drawImage(at, picture);
        }
    }
}

// A small person on the mask colour, drawn without smoothing so that its edge meets the
// mask cleanly: dark outline, lighter fill, as a sign-in button might show it.
QImage personPicture(QColor fill, QColor outline)
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(QColor(0xc0, 0xc0, 0xc0));
    QPainter painter(&picture);
    painter.setPen(outline);
    painter.setBrush(fill);
    painter.drawEllipse(QRect(5, 1, 6, 6));
    painter.drawRoundedRect(QRect(2, 8, 11, 7), 3, 3);
    return picture;
}

struct PictureFiles {
    QString normal;
    QString over;
};

std::optional<PictureFiles> writePictures(const QTemporaryDir &folder)
{
    const PictureFiles files{folder.filePath(QStringLiteral("person.png")),
                             folder.filePath(QStringLiteral("person-over.png"))};
    if (!personPicture(QColor(0x50, 0x90, 0xe0), QColor(0x10, 0x30, 0x70)).save(files.normal) ||
        !personPicture(QColor(0xf0, 0xa0, 0x30), QColor(0x70, 0x30, 0x10)).save(files.over))
        return std::nullopt;
    return files;
}

QImage renderPictured(const PictureFiles &files, CmdRenderOptions::State state, int effect)
{
    CmdRenderOptions options;
    options.type = int(Cmd::ButtonType::Standard);
    options.size = buttonSize;
    options.state = state;
    options.effect = effect;
    options.caption = QStringLiteral("&Apply");
    options.picture = files.normal;
    options.pictureOver = files.over;
    options.parent = HostColor::fromColor(sheetColour);
    return renderCmd(options);
}

// Type 2 with a picture and a hover picture in each state, then in each special effect;
// beside them the drop-down button with its list open.
void drawPictures(QPainter &painter, int top, const PictureFiles &files, const QImage &dropDown)
{
    drawTitle(painter, top, QStringLiteral("Pictures (type 2) and the drop-down button"));
    const int pictureRow = top + headerHeight;
    const int effectRow = pictureRow + cellHeight + 16;
    painter.drawText(QPoint(8, pictureRow + 16), QStringLiteral("picture"));
    painter.drawText(QPoint(8, effectRow + 16), QStringLiteral("effect"));
    for (int c = 0; c < 4; ++c) {
        const int x = labelWidth + c * cellWidth;
        painter.drawText(QPoint(x, pictureRow - 6), QLatin1String(columns[c].title));
        painter.drawImage(QPoint(x, pictureRow), renderPictured(files, columns[c].state, 0));
        painter.drawText(QPoint(x, effectRow - 6), QStringLiteral("effect %1").arg(c));
        painter.drawImage(QPoint(x, effectRow),
                          renderPictured(files, CmdRenderOptions::State::Up, c));
    }
    const int x = labelWidth + 4 * cellWidth;
    painter.drawText(QPoint(x, pictureRow - 6), QStringLiteral("drop-down, open"));
    painter.drawImage(QPoint(x, pictureRow), dropDown);
}

} // namespace

QImage renderCmdSheet()
{
    const int schemeHeight = headerHeight + typeCount * cellHeight + 8;
    QTemporaryDir folder;
    const std::optional<PictureFiles> pictures = writePictures(folder);
    if (!pictures)
        return {};
    const QImage dropDown = renderOpenDropDown();
    const int pictureHeight = headerHeight + std::max(2 * cellHeight + 16, dropDown.height()) + 8;
    QImage sheet(labelWidth + int(std::size(columns)) * cellWidth, 2 * schemeHeight + pictureHeight,
                 QImage::Format_ARGB32);
    sheet.fill(sheetColour);
    {
        QPainter painter(&sheet);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(11);
        painter.setFont(font);
        painter.setPen(Qt::black);
        drawScheme(painter, 0, 1, QStringLiteral("Colour scheme 1: desktop colours"));
        drawScheme(painter, schemeHeight, 3, QStringLiteral("Colour scheme 3: fixed grey"));
        drawPictures(painter, 2 * schemeHeight, *pictures, dropDown);
    }
    return sheet.scaled(sheet.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
