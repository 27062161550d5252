#pragma once

#include <optional>

#include <QString>

// The numeric range of a TextOrv, kept as the text "lo:hi".
namespace TextOrvLimit
{

inline const QString defaultLimit = QStringLiteral("-99999999999999:99999999999999");

struct Range {
    double lo = 0;
    double hi = 0;
};

// The values of the two pieces around ":"; none when the text has no ":".
std::optional<Range> parse(const QString &textLimit);

// What assigning a limit stores: both pieces in their plain decimal form
// ("0:100.50" gives "0:100.5"), or the default range when there is no ":".
QString normalise(const QString &textLimit);

} // namespace TextOrvLimit
