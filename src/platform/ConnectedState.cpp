#include "platform/ConnectedState.h"

#include <QNetworkInterface>

bool IsInternetConnected()
{
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &candidate : interfaces) {
        const auto flags = candidate.flags();
        if (flags.testFlag(QNetworkInterface::IsUp) &&
            flags.testFlag(QNetworkInterface::IsRunning) &&
            !flags.testFlag(QNetworkInterface::IsLoopBack) && !candidate.addressEntries().isEmpty())
            return true;
    }
    return false;
}
