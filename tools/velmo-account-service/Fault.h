#pragma once

#include <QString>

#include <optional>

// A misbehaviour the service can be told to show on its authentication endpoints,
// so that clients can be tested against it:
//   none, delay:SECONDS, http500-html, empty-body, drop-connection, malformed-json,
//   oversize:BYTES, oversize-announced:BYTES (headers promising that many bytes,
//   then nothing more), refusal-empty-errors (a refusal whose "errors" member is an
//   empty text)
struct Fault {
    enum class Kind {
        None,
        Delay,
        Http500Html,
        EmptyBody,
        DropConnection,
        MalformedJson,
        Oversize,
        OversizeAnnounced,
        RefusalEmptyErrors
    };

    Kind kind = Kind::None;
    qint64 amount = 0; // seconds of delay, or bytes of an oversize body (sent or announced)

    static std::optional<Fault> parse(const QString &text);
    QString toString() const;
};
