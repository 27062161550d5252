#pragma once

#include <QString>

// The settings of a TextOrv that decide how its text is normalised.
struct TextOrvRules {
    int textType = 0;
    QString textLimit;
    int digitAfterDecimal = 2;
    int textCase = 2;
};

namespace TextOrvNormaliser
{

// When the text is normalised; each applies the rule of the text type in its own way.
enum class Occasion {
    LeavingBox,       // full rule, range message, case rule
    TextTypeAssigned, // rule of the new type, no message
    Paste,            // Ctrl+V released, no message
    LimitAssigned,    // numbers only, no message
};

struct Result {
    QString text;
    bool outOfRange = false; // the range message is due before the text is replaced
};

Result normalise(Occasion occasion, const TextOrvRules &rules, const QString &text);

// The message shown when a number left in the box lies outside its range.
QString rangeMessage(const QString &textLimit);

} // namespace TextOrvNormaliser
