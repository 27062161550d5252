// An outside host written only against the installed headers.
#include <cstdio>

#include <QCoreApplication>
#include <QVariant>

#include <VelmoITNet22SU/clsVelmoITNet22SU.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    clsVelmoITNet22SU api;
    api.setVPANNo(QStringLiteral("ABCDE1234F"));
    if (api.property("vPANNo").toString() != QStringLiteral("ABCDE1234F"))
        return 1;
    try {
        // No connection was handed over: the library must say so, not crash.
        api.Create_IT_Tbl115BAC();
        return 2;
    } catch (const std::exception &error) {
        std::printf("expected failure: %s\n", error.what());
    }
    return 0;
}
