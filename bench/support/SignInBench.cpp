#include "SignInBench.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <VelmoITNet22SU/clsVelmoITNet22SU.h>

#include <cstdio>
#include <stdexcept>

#include "SeededAccountDatabase.h"

int SignInBench::accountRows()
{
    bool isNumber = false;
    const int rows = qEnvironmentVariableIntValue("VELMO_BENCH_ACCOUNT_ROWS", &isNumber);
    return isNumber && rows > 0 ? rows : 10000;
}

int SignInBench::run(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    try {
        SeededAccountDatabase accounts(accountRows());
        benchmark::RunSpecifiedBenchmarks();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}

void SignInBench::openWindow()
{
    clsVelmoITNet22SU api;
    api.SignUp(QString(), QStringLiteral("Velmo IT"));
}
