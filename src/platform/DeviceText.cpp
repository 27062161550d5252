#include "DeviceText.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace
{

// The caption as shown: prefix ampersands removed, and for every shown character
// whether it is underlined as an access key.
struct ShownText {
    QString text;
    QList<bool> underlined;
};

ShownText applyPrefixes(const QString &text)
{
    ShownText shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) {
            shown.text += text[i];
            shown.underlined += false;
            continue;
        }
        if (i + 1 == text.size())
            break; // a closing lone ampersand prefixes nothing
        ++i;
        shown.text += text[i];
        shown.underlined += text[i] != QLatin1Char('&');
    }
    return shown;
}

struct Line {
    qsizetype begin;
    qsizetype end;
};

bool isBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// Greedy word wrap of one paragraph [begin, end): the spaces where a line breaks
// belong to no line; a paragraph's leading spaces stay on its first line.
void wrapParagraph(const QString &text, qsizetype begin, qsizetype end, const QFontMetrics &metrics,
                   int wrapWidth, QList<Line> &lines)
{
    const QChar space(QLatin1Char(' '));
    qsizetype lineStart = begin;
    qsizetype lineEnd = -1;
    qsizetype i = begin;
    while (i < end) {
        qsizetype wordStart = i;
        while (wordStart < end && text[wordStart] == space)
            ++wordStart;
        if (wordStart == end)
            break;
        qsizetype wordEnd = wordStart;
        while (wordEnd < end && text[wordEnd] != space)
            ++wordEnd;
        i = wordEnd;
        if (lineEnd < 0 ||
            metrics.horizontalAdvance(text.mid(lineStart, wordEnd - lineStart)) <= wrapWidth) {
            lineEnd = wordEnd;
            continue;
        }
        lines += Line{lineStart, lineEnd};
        lineStart = wordStart;
        lineEnd = wordEnd;
    }
    lines += Line{lineStart, lineEnd < 0 ? lineStart : lineEnd};
}

QList<Line> wrapLines(const QString &text, const QFontMetrics &metrics, int wrapWidth)
{
    QList<Line> lines;
    qsizetype begin = 0;
    while (begin < text.size()) {
        qsizetype end = begin;
        while (end < text.size() && !isBreak(text[end]))
            ++end;
        wrapParagraph(text, begin, end, metrics, wrapWidth, lines);
        if (end + 1 < text.size() && text[end] == QLatin1Char('\r') &&
            text[end + 1] == QLatin1Char('\n'))
            ++end;
        begin = end + 1;
    }
    return lines;
}

} // namespace

DeviceText::DeviceText(const QFont &font, const QString &text, int wrapWidth)
{
    QFont sharp(font);
    sharp.setStyleStrategy(QFont::NoAntialias);
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    const QFontMetrics metrics(sharp, &probe);
    const ShownText shown = applyPrefixes(text);
    const QList<Line> lines = wrapLines(shown.text, metrics, wrapWidth);
    if (lines.isEmpty())
        return;

    QList<int> widths;
    int widest = 0;
    for (const Line &line : lines) {
        widths += metrics.horizontalAdvance(shown.text.mid(line.begin, line.end - line.begin));
        widest = std::max(widest, widths.last());
    }
    const int lineHeight = metrics.height();
    m_lineCount = int(lines.size());
    m_size = QSize(widest, m_lineCount * lineHeight);

    // Glyphs may reach past their advance, so the raster has a margin on every side.
    const int margin = lineHeight;
    QImage raster(m_size.width() + 2 * margin, m_size.height() + 2 * margin,
                  QImage::Format_ARGB32_Premultiplied);
    raster.fill(Qt::transparent);
    const int underlineDrop = std::max(1, metrics.underlinePos());
    QList<Run> underlines;
    {
        QPainter painter(&raster);
        painter.setFont(sharp);
        painter.setPen(Qt::white);
        for (int k = 0; k < m_lineCount; ++k) {
            const Line &line = lines[k];
            const int x = (widest - widths[k]) / 2;
            const int baseline = k * lineHeight + metrics.ascent();
            painter.drawText(margin + x, margin + baseline,
                             shown.text.mid(line.begin, line.end - line.begin));
            for (qsizetype c = line.begin; c < line.end; ++c) {
                if (!shown.underlined[c])
                    continue;
                const int left =
                    x + metrics.horizontalAdvance(shown.text.mid(line.begin, c - line.begin));
                underlines += Run{std::min(baseline + underlineDrop, (k + 1) * lineHeight - 1),
                                  left, left + metrics.horizontalAdvance(shown.text[c])};
            }
        }
    }
    for (int y = 0; y < raster.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(raster.constScanLine(y));
        int x = 0;
        while (x < raster.width()) {
            if (qAlpha(row[x]) < 128) {
                ++x;
                continue;
            }
            const int left = x;
            while (x < raster.width() && qAlpha(row[x]) >= 128)
                ++x;
            m_runs += Run{y - margin, left - margin, x - margin};
        }
    }
    m_runs += underlines;
}
