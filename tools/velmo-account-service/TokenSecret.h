#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The HMAC key of issued tokens, made once and kept in the data directory so that
// tokens stay valid across restarts.
std::optional<QByteArray> loadOrCreateTokenSecret(const QString &path, QString *error);
