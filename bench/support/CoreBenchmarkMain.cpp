#include "CoreBenchmarkMain.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

int runWithCoreApplication(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
