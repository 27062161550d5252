#pragma once

#include "Fault.h"

#include <QString>
#include <QStringList>

#include <optional>

// The command line of velmo-account-service.
struct ServiceOptions {
    quint16 port = 0;
    QString certificateFile;
    QString keyFile;
    QString dataDir;
    QString statusText = QStringLiteral("1");
    QString statusFile;
    QString statusCharset = QStringLiteral("utf-8");
    qint64 tokenLifetimeSeconds = 24 * 60 * 60;
    qint64 otpLifetimeSeconds = 15 * 60;
    int pbkdf2Iterations = 100000;
    Fault fault;

    // Prints help or the reason on failure.
    static std::optional<ServiceOptions> parse(const QStringList &arguments);
};
