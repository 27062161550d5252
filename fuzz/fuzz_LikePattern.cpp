// Any pattern against any text, read as raw UTF-16 so lone surrogates come too: the pattern
// is everything before the first line feed, the text everything after it. No crash, no
// time-out, and a match survives being widened: when P matches T, "*P*" matches T with
// anything around it. The same input also runs as typed text against a list.
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

#include "platform/LikePattern.h"
#include "platform/TypeAheadCompletion.h"

namespace
{
constexpr qsizetype maxPatternLength = 256;
constexpr qsizetype maxTextLength = 1024;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = QString::fromUtf16(reinterpret_cast<const char16_t *>(data),
                                             qsizetype(size / sizeof(char16_t)));
    const qsizetype split = input.indexOf(u'\n');
    const QString pattern = input.left(split < 0 ? input.size() : split).left(maxPatternLength);
    const QString text = split < 0 ? QString() : input.sliced(split + 1).left(maxTextLength);

    const LikePattern compiled(pattern);
    if (compiled.matches(text)) {
        if (!compiled.isValid())
            __builtin_trap();
        // What comes first nearly matches, so the leading star must give characters back.
        const QString nearly = text.left(text.size() - 1);
        if (!LikePattern::matches(nearly + text + nearly,
                                  QLatin1Char('*') + pattern + QLatin1Char('*')))
            __builtin_trap();
    }

    const QStringList items = text.split(u'\n');
    const std::optional<TypeAheadMatch> match = TypeAheadCompletion(items).complete(pattern);
    if (match && (match->index < 0 || match->index >= items.size() ||
                  match->text != items.at(match->index) || match->selectionStart < 0 ||
                  match->selectionStart + match->selectionLength != match->text.size()))
        __builtin_trap();
    return 0;
}
