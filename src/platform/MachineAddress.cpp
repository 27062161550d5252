#include "platform/MachineAddress.h"

#include <QNetworkInterface>

QString machineAddressText()
{
    const QString configured = qEnvironmentVariable("VELMO_MACHINE_ADDRESS");
    if (!configured.isEmpty())
        return configured;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        const QString hardware = interface.hardwareAddress();
        if (hardware.isEmpty() || hardware == u"00:00:00:00:00:00")
            continue;
        return hardware.toUpper().replace(u':', u'-');
    }
    return QString();
}
