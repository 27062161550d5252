#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The remote sign-in switch: a small text file served as text/plain, its body encoded
// in the charset its Content-Type names (none named: UTF-8 and no charset parameter).
struct StatusFile {
    QByteArray body;
    QByteArray contentType;

    // From a text, encoded in the charset; an unknown charset is an error.
    static std::optional<StatusFile> fromText(const QString &text, const QString &charset,
                                              QString *error);
    // From a file's bytes, served as they are.
    static std::optional<StatusFile> fromFile(const QString &path, const QString &charset,
                                              QString *error);
};
