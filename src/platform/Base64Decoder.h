#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Base64 text to bytes, accepting the standard and the URL-safe alphabet, with or
// without padding. Text that is not Base64 has no result.
std::optional<QByteArray> decodeBase64(const QString &text);
