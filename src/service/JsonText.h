#pragma once

#include <QString>

#include <optional>

#include "platform/TextRules.h"

// The service speaks JSON, but replies are read as text by fixed search rules
// that the endpoint calls rely on. A parser only vouches that a reply arrived
// whole before those rules read it.

// One member of a request body: "key":"value", no blank anywhere. The value is
// escaped as JSON requires, so the service receives exactly what was typed.
QString getJsonValue(const QString &key, const QString &value);

// The value of key in a reply, found by plain case-insensitive text search: the
// first occurrence of the key text wins, the value runs from the next colon to
// the next comma (or closing brace), and quotes, colons and braces are dropped.
// For "error" and "errors" the value runs to the end of the reply with brackets,
// braces and quotes dropped, and the opening of an error list on mobile_no is
// first removed from replyText itself.
// No result when the key, or the colon or end after it, is missing.
std::optional<QString> ExtractJsonValue(QString &replyText, const QString &key);

// A reply member as the whole number the calls convert it to (a 16-bit status, a
// 32-bit id): "1", " 1", "1.0" and "1e0" are 1. None when the member is missing, is no
// number, has a fraction, or does not fit Integer. White space around the value is the
// reply's layout, not part of it.
template <typename Integer>
std::optional<Integer> ExtractJsonInteger(QString &replyText, const QString &key)
{
    const std::optional<QString> value = ExtractJsonValue(replyText, key);
    if (!value)
        return std::nullopt;
    return TextRules::wholeNumberAs<Integer>(value->trimmed());
}

// True when the reply is one complete JSON object. A reply cut short can still
// hold a status of 1 in its first bytes, so nothing is read from any other.
bool isCompleteJsonObject(const QString &replyText);
