#include "service/JsonText.h"

#include <QJsonDocument>
#include <QList>

#include <utility>

namespace
{

// Upper case one character at a time, so that positions in the upper-cased
// text are positions in the original (QString::toUpper may lengthen a text).
QString upperSameLength(const QString &text)
{
    QString upper = text;
    for (QChar &character : upper)
        character = character.toUpper();
    return upper;
}

// The characters JSON writes with a short escape; other control characters
// become \u00XX.
QString shortEscape(QChar character)
{
    static const QList<std::pair<char16_t, QString>> escapes = {
        {u'"', QStringLiteral("\\\"")}, {u'\\', QStringLiteral("\\\\")},
        {u'\n', QStringLiteral("\\n")}, {u'\r', QStringLiteral("\\r")},
        {u'\t', QStringLiteral("\\t")}, {u'\b', QStringLiteral("\\b")},
        {u'\f', QStringLiteral("\\f")}};
    for (const auto &[plain, escaped] : escapes) {
        if (character == plain)
            return escaped;
    }
    return {};
}

QString escapeJsonString(const QString &value)
{
    QString escaped;
    escaped.reserve(value.size() + 2);
    for (const QChar character : value) {
        const QString shortForm = shortEscape(character);
        if (!shortForm.isEmpty())
            escaped += shortForm;
        else if (character.unicode() < 0x20)
            escaped += QStringLiteral("\\u%1").arg(character.unicode(), 4, 16, QChar(u'0'));
        else
            escaped += character;
    }
    return escaped;
}

QString withoutCharacters(QString text, const QString &characters)
{
    for (const QChar character : characters)
        text.remove(character);
    return text;
}

qsizetype find(const QString &upperText, const QString &needle, qsizetype from = 0)
{
    if (upperText.isEmpty())
        return -1;
    return upperText.indexOf(needle, from);
}

QString extractErrors(QString &replyText, const QString &key)
{
    replyText.replace(QStringLiteral("{\"mobile_no\":["), QString());
    const QString upper = upperSameLength(replyText);
    const qsizetype keyAt = find(upper, upperSameLength(key));
    const qsizetype colonAt = keyAt < 0 ? -1 : upper.indexOf(u':', keyAt);
    return withoutCharacters(replyText.mid(colonAt + 1), QStringLiteral("[]\"}{"));
}

} // namespace

QString getJsonValue(const QString &key, const QString &value)
{
    return u'"' + escapeJsonString(key) + QStringLiteral("\":\"") + escapeJsonString(value) + u'"';
}

std::optional<QString> ExtractJsonValue(QString &replyText, const QString &key)
{
    if (key == u"error" || key == u"errors")
        return extractErrors(replyText, key);

    const QString upper = upperSameLength(replyText);
    const qsizetype keyAt = find(upper, upperSameLength(key));
    if (keyAt < 0)
        return std::nullopt;
    const qsizetype colonAt = upper.indexOf(u':', keyAt);
    if (colonAt < 0)
        return std::nullopt;
    qsizetype endAt = upper.indexOf(u',', colonAt);
    if (endAt < 0)
        endAt = upper.indexOf(u'}', colonAt);
    if (endAt < 0)
        return std::nullopt;
    return withoutCharacters(replyText.mid(colonAt, endAt - colonAt), QStringLiteral("\":}"));
}

bool isCompleteJsonObject(const QString &replyText)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(replyText.toUtf8(), &error);
    return error.error == QJsonParseError::NoError && document.isObject();
}
