#pragma once

#include <cstdint>
#include <vector>

#include <QStringView>

// A wildcard pattern, read once and then matched against any number of texts.
//
//   *        any run of characters, the empty run too
//   ?        any one character
//   #        any one digit 0-9
//   [ABC]    any one character of the class; "A-Z" inside it is a range
//   [!ABC]   any one character outside the class
//   []       nothing: it stands for the empty text ("A[]B" matches "AB")
//
// Inside brackets "*", "?", "#" and "[" stand for themselves, so "[*]" matches a star and
// "[[]" an opening bracket; "-" stands for itself first in the class (after any "!") or last.
// "!" and "]" outside brackets match themselves. "[!]" matches any one character.
// Every other character matches itself, compared exactly: one character is one UTF-16
// code unit, as in every text length of the controls, and case counts.
//
// A "[" without its "]" and a range that runs backwards ("[Z-A]") make the pattern
// invalid; an invalid pattern matches no text. Matching costs at most
// O(pattern length x text length), whatever the pattern holds.
class LikePattern
{
public:
    explicit LikePattern(QStringView pattern);

    bool isValid() const { return m_valid; }
    bool matches(QStringView text) const;

    // Reads the pattern and matches one text against it.
    static bool matches(QStringView text, QStringView pattern);

private:
    enum class Kind : std::uint8_t { Literal, AnyCharacter, Digit, Class, Star };

    struct Token {
        Kind kind = Kind::Literal;
        bool negated = false;
        char16_t character = 0;  // Literal
        std::uint32_t first = 0; // Class: its ranges in m_ranges
        std::uint32_t count = 0;
    };

    struct Range {
        char16_t low;
        char16_t high;
    };

    bool readClass(QStringView pattern, qsizetype &position);
    bool tokenMatches(const Token &token, char16_t character) const;

    std::vector<Token> m_tokens;
    std::vector<Range> m_ranges;
    qsizetype m_minimumLength = 0; // the shortest text it can match
    bool m_hasStar = false;        // and whether longer texts can match too
    bool m_valid = true;
};
