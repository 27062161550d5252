#include "ServiceOptions.h"

#include <QCommandLineParser>

#include <cstdio>

namespace
{

bool readWholeNumber(const QCommandLineParser &parser, const QString &name, qint64 maximum,
                     qint64 *value)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const qint64 number = parser.value(name).toLongLong(&ok);
    if (!ok || number < 0 || number > maximum) {
        std::fprintf(stderr, "velmo-account-service: --%s needs a whole number from 0 to %lld\n",
                     qPrintable(name), static_cast<long long>(maximum));
        return false;
    }
    *value = number;
    return true;
}

} // namespace

std::optional<ServiceOptions> ServiceOptions::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "The HTTPS account service for tests and the demo, on 127.0.0.1 only.\n"
        "The first line on stdout is \"listening on https://127.0.0.1:PORT\".");
    parser.addHelpOption();
    parser.addOptions({
        {"port", "Port to listen on; 0 picks a free one.", "port", "0"},
        {"cert", "Server certificate (PEM).", "file"},
        {"key", "Private key of the certificate (PEM).", "file"},
        {"data-dir", "Directory of the account store and the outbox.", "dir"},
        {"status-text", "Text of auth/desktop-status.txt.", "text", "1"},
        {"status-file", "Serve this file's bytes as auth/desktop-status.txt.", "file"},
        {"status-charset", "Charset of the status file; empty for none.", "name", "utf-8"},
        {"token-lifetime", "Lifetime of issued tokens.", "seconds", "86400"},
        {"otp-lifetime", "Lifetime of one-time passwords.", "seconds", "900"},
        {"pbkdf2-iterations", "PBKDF2 iterations for new password digests.", "count", "100000"},
        {"fault",
         "Misbehave on the authentication endpoints: none, delay:SECONDS, http500-html, "
         "empty-body, drop-connection, malformed-json, oversize:BYTES, "
         "oversize-announced:BYTES, refusal-empty-errors.",
         "fault", "none"},
    });
    parser.process(arguments);

    ServiceOptions options;
    options.certificateFile = parser.value("cert");
    options.keyFile = parser.value("key");
    options.dataDir = parser.value("data-dir");
    options.statusText = parser.value("status-text");
    options.statusFile = parser.value("status-file");
    options.statusCharset = parser.value("status-charset");
    if (options.certificateFile.isEmpty() || options.keyFile.isEmpty() ||
        options.dataDir.isEmpty()) {
        std::fprintf(stderr, "velmo-account-service: --cert, --key and --data-dir are required\n");
        return std::nullopt;
    }

    qint64 port = 0;
    qint64 iterations = options.pbkdf2Iterations;
    if (!readWholeNumber(parser, "port", 65535, &port) ||
        !readWholeNumber(parser, "token-lifetime", 10LL * 365 * 24 * 3600,
                         &options.tokenLifetimeSeconds) ||
        !readWholeNumber(parser, "otp-lifetime", 24 * 3600, &options.otpLifetimeSeconds) ||
        !readWholeNumber(parser, "pbkdf2-iterations", 10000000, &iterations))
        return std::nullopt;
    if (iterations < 1) {
        std::fprintf(stderr, "velmo-account-service: --pbkdf2-iterations must be at least 1\n");
        return std::nullopt;
    }
    options.port = static_cast<quint16>(port);
    options.pbkdf2Iterations = static_cast<int>(iterations);

    const std::optional<Fault> fault = Fault::parse(parser.value("fault"));
    if (!fault) {
        std::fprintf(stderr, "velmo-account-service: unknown --fault \"%s\"\n",
                     qPrintable(parser.value("fault")));
        return std::nullopt;
    }
    options.fault = *fault;
    return options;
}
