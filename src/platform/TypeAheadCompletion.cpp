#include "TypeAheadCompletion.h"

#include "LikePattern.h"

namespace
{

// Only blanks are trimmed: a tab or a line break in an item is part of it.
QStringView withoutBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

// Upper case maps each code unit to one code unit, so the upper case of a prefix is the
// prefix of the upper case.
bool upperCaseKeepsPositions(QStringView text, const QString &upper)
{
    if (upper.size() != text.size())
        return false;
    for (QChar c : text)
        if (c.isSurrogate())
            return false;
    return true;
}

} // namespace

TypeAheadCompletion::TypeAheadCompletion(const QStringList &items)
{
    m_items.reserve(std::size_t(items.size()));
    for (const QString &text : items) {
        const QStringView trimmed = withoutBlanks(text);
        QString upper = trimmed.toString().toUpper();
        const bool keepsPositions = upperCaseKeepsPositions(trimmed, upper);
        m_items.push_back(
            {text, keepsPositions ? std::move(upper) : trimmed.toString(), keepsPositions});
    }
}

std::optional<TypeAheadMatch> TypeAheadCompletion::complete(const QString &typed) const
{
    const QStringView trimmed = withoutBlanks(typed);
    const LikePattern pattern(trimmed.toString().toUpper());
    if (!pattern.isValid())
        return std::nullopt;
    const qsizetype n = trimmed.size();
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        const Item &item = m_items[i];
        const bool matches = item.keyIsUpperCase ? pattern.matches(QStringView(item.key).left(n))
                                                 : pattern.matches(item.key.left(n).toUpper());
        if (!matches)
            continue;
        const qsizetype start = std::min(typed.size(), item.text.size());
        return TypeAheadMatch{int(i), item.text, start, item.text.size() - start};
    }
    return std::nullopt;
}
