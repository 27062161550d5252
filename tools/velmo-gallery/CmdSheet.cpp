#include "CmdSheet.h"

#include <QPainter>

#include "CmdGallery.h"
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

void drawScheme(QPainter &painter, int top, int scheme, const QString &title)
{
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QPoint(8, top + 16), title);
    painter.setFont(QFont(bold.family(), -1, QFont::Normal));
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

} // namespace

QImage renderCmdSheet()
{
    const int schemeHeight = headerHeight + typeCount * cellHeight + 8;
    QImage sheet(labelWidth + int(std::size(columns)) * cellWidth, 2 * schemeHeight,
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
    }
    return sheet.scaled(sheet.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
