#include "AccountHttpServer.h"
#include "AccountService.h"
#include "AccountStore.h"
#include "Outbox.h"
#include "PasswordHasher.h"
#include "ServiceClock.h"
#include "ServiceOptions.h"
#include "StatusFile.h"
#include "TokenIssuer.h"
#include "TokenSecret.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSslCertificate>
#include <QSslKey>

#include <cstdio>

namespace
{

int fail(const QString &message)
{
    std::fprintf(stderr, "velmo-account-service: %s\n", qPrintable(message));
    return 1;
}

QSslKey readKey(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray pem = file.readAll();
    const QSslKey ecKey(pem, QSsl::Ec);
    return ecKey.isNull() ? QSslKey(pem, QSsl::Rsa) : ecKey;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    app.setApplicationName("velmo-account-service");
    const std::optional<ServiceOptions> options = ServiceOptions::parse(app.arguments());
    if (!options)
        return 2;

    const QList<QSslCertificate> certificates = QSslCertificate::fromPath(options->certificateFile);
    if (certificates.isEmpty())
        return fail(QStringLiteral("no certificate in %1").arg(options->certificateFile));
    const QSslKey key = readKey(options->keyFile);
    if (key.isNull())
        return fail(QStringLiteral("no EC or RSA private key in %1").arg(options->keyFile));

    QString error;
    const std::optional<StatusFile> status =
        options->statusFile.isEmpty()
            ? StatusFile::fromText(options->statusText, options->statusCharset, &error)
            : StatusFile::fromFile(options->statusFile, options->statusCharset, &error);
    if (!status)
        return fail(error);

    const QDir dataDir(options->dataDir);
    if (!dataDir.mkpath("."))
        return fail(QStringLiteral("cannot create %1").arg(options->dataDir));
    const std::optional<QByteArray> secret =
        loadOrCreateTokenSecret(dataDir.filePath("token-secret"), &error);
    if (!secret)
        return fail(error);
    AccountStore store(dataDir.filePath("accounts.json"));
    if (!store.load(&error))
        return fail(error);

    ServiceClock clock;
    const Outbox outbox(dataDir.filePath("outbox.txt"), clock);
    const PasswordHasher hasher(options->pbkdf2Iterations);
    const TokenIssuer tokens(*secret, options->tokenLifetimeSeconds);
    AccountService service(store, outbox, hasher, tokens, clock, options->otpLifetimeSeconds);
    AccountHttpServer server(service, outbox, *status, options->fault, clock);
    server.sslSetup(certificates.first(), key);
    const quint16 port = server.listen(QHostAddress::LocalHost, options->port);
    if (port == 0)
        return fail(QStringLiteral("cannot listen on 127.0.0.1:%1").arg(options->port));

    std::printf("listening on https://127.0.0.1:%u\n", unsigned(port));
    std::fflush(stdout);
    return app.exec();
}
