#pragma once

#include <QFont>
#include <QList>
#include <QSize>
#include <QString>

// A caption laid out as the desktop's text drawing does with centring and word wrap:
// words move to the next line when the line would pass the wrap width (a word wider
// than the width stays whole), line breaks in the text start new lines, and the `&`
// prefix rule applies: "&&" shows one ampersand, "&x" shows x underlined. The glyphs
// are rasterised once, without antialiasing, into horizontal runs of covered pixels,
// so drawing the caption again costs only the runs.
class DeviceText
{
public:
    // One horizontal run of covered pixels, [left, right) on row y, relative to the
    // block's top-left corner.
    struct Run {
        int y;
        int left;
        int right;
    };

    DeviceText() = default;
    DeviceText(const QFont &font, const QString &text, int wrapWidth);

    // The measured block: the widest line by the number of lines times the line height.
    QSize size() const { return m_size; }
    int lineCount() const { return m_lineCount; }
    const QList<Run> &runs() const { return m_runs; }

private:
    QSize m_size{0, 0};
    int m_lineCount = 0;
    QList<Run> m_runs;
};
