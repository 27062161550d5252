#include "LikePattern.h"

LikePattern::LikePattern(QStringView pattern)
{
    for (qsizetype position = 0; position < pattern.size();) {
        const char16_t character = pattern[position++].unicode();
        Token token;
        switch (character) {
        case u'*':
            m_hasStar = true;
            // A run of stars matches what one star matches.
            if (!m_tokens.empty() && m_tokens.back().kind == Kind::Star)
                continue;
            token.kind = Kind::Star;
            m_tokens.push_back(token);
            continue;
        case u'?':
            token.kind = Kind::AnyCharacter;
            break;
        case u'#':
            token.kind = Kind::Digit;
            break;
        case u'[':
            if (!readClass(pattern, position)) {
                m_valid = false;
                m_tokens.clear();
                m_ranges.clear();
                return;
            }
            continue;
        default:
            token.character = character;
            break;
        }
        m_tokens.push_back(token);
        ++m_minimumLength;
    }
}

// Reads a class from just after its "[" up to and with its "]". An empty class
// adds no token, since it stands for the empty text.
bool LikePattern::readClass(QStringView pattern, qsizetype &position)
{
    Token token;
    token.kind = Kind::Class;
    if (position < pattern.size() && pattern[position] == u'!') {
        token.negated = true;
        ++position;
    }
    token.first = std::uint32_t(m_ranges.size());
    while (position < pattern.size() && pattern[position] != u']') {
        const char16_t low = pattern[position].unicode();
        const bool isRange = position + 2 < pattern.size() && pattern[position + 1] == u'-' &&
                             pattern[position + 2] != u']';
        if (!isRange) {
            m_ranges.push_back({low, low});
            ++position;
            continue;
        }
        const char16_t high = pattern[position + 2].unicode();
        if (high < low)
            return false;
        m_ranges.push_back({low, high});
        position += 3;
    }
    if (position == pattern.size())
        return false;
    ++position;
    token.count = std::uint32_t(m_ranges.size()) - token.first;
    if (token.count == 0 && !token.negated)
        return true;
    m_tokens.push_back(token);
    ++m_minimumLength;
    return true;
}

bool LikePattern::tokenMatches(const Token &token, char16_t character) const
{
    switch (token.kind) {
    case Kind::Literal:
        return character == token.character;
    case Kind::AnyCharacter:
        return true;
    case Kind::Digit:
        return character >= u'0' && character <= u'9';
    case Kind::Class: {
        bool inClass = false;
        for (std::uint32_t i = token.first; i < token.first + token.count && !inClass; ++i)
            inClass = character >= m_ranges[i].low && character <= m_ranges[i].high;
        return inClass != token.negated;
    }
    case Kind::Star:
        break;
    }
    return false;
}

// Every token but the star takes exactly one character, so the last star seen is the only
// choice worth going back to: when a later token fails, that star takes one more character
// and the tokens after it are tried again. Earlier stars never need to give anything back,
// which keeps the work bounded by pattern length x text length.
bool LikePattern::matches(QStringView text) const
{
    if (!m_valid || text.size() < m_minimumLength || (!m_hasStar && text.size() > m_minimumLength))
        return false;
    const std::size_t tokenCount = m_tokens.size();
    std::size_t token = 0;
    qsizetype position = 0;
    bool starSeen = false;
    std::size_t afterStar = 0;
    qsizetype starEnd = 0;
    while (position < text.size()) {
        if (token < tokenCount && m_tokens[token].kind == Kind::Star) {
            starSeen = true;
            afterStar = ++token;
            starEnd = position;
        } else if (token < tokenCount && tokenMatches(m_tokens[token], text[position].unicode())) {
            ++token;
            ++position;
        } else if (starSeen) {
            token = afterStar;
            position = ++starEnd;
        } else {
            return false;
        }
    }
    while (token < tokenCount && m_tokens[token].kind == Kind::Star)
        ++token;
    return token == tokenCount;
}

bool LikePattern::matches(QStringView text, QStringView pattern)
{
    return LikePattern(pattern).matches(text);
}
