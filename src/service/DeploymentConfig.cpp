#include "service/DeploymentConfig.h"

namespace {

QString fromEnvironment(const char *variable, const QString &fallback)
{
    const QString value = qEnvironmentVariable(variable).trimmed();
    return value.isEmpty() ? fallback : value;
}

QString withoutTrailingSlash(QString url)
{
    while (url.endsWith(u'/'))
        url.chop(1);
    return url;
}

} // namespace

QString DeploymentConfig::accountServiceBaseUrl()
{
    return withoutTrailingSlash(fromEnvironment(
        "VELMO_ACCOUNT_SERVICE_URL", QStringLiteral("https://account.velmoit.example")));
}

QString DeploymentConfig::statusFileUrl()
{
    return fromEnvironment("VELMO_STATUS_URL",
                           QStringLiteral("https://static.velmoit.example/auth/desktop-status.txt"));
}

QString DeploymentConfig::signUpHelpUrl()
{
    return QStringLiteral("https://help.velmoit.example/articles/online-sign-up");
}

QString DeploymentConfig::termsUrl()
{
    return QStringLiteral("https://www.velmoit.example/legal/terms-and-conditions.pdf");
}
