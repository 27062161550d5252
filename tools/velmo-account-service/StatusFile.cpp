#include "StatusFile.h"

#include <QFile>
#include <QStringEncoder>

namespace
{

QByteArray contentTypeFor(const QString &charset)
{
    QByteArray type = "text/plain";
    if (!charset.isEmpty())
        type += "; charset=" + charset.toLatin1();
    return type;
}

} // namespace

std::optional<StatusFile> StatusFile::fromText(const QString &text, const QString &charset,
                                               QString *error)
{
    QStringEncoder encoder(charset.isEmpty() ? "UTF-8" : qPrintable(charset));
    if (!encoder.isValid()) {
        *error = QStringLiteral("unknown charset \"%1\"").arg(charset);
        return std::nullopt;
    }
    QByteArray body = encoder.encode(text);
    if (encoder.hasError()) {
        *error = QStringLiteral("the status text cannot be written in %1").arg(charset);
        return std::nullopt;
    }
    return StatusFile{body, contentTypeFor(charset)};
}

std::optional<StatusFile> StatusFile::fromFile(const QString &path, const QString &charset,
                                               QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return StatusFile{file.readAll(), contentTypeFor(charset)};
}
