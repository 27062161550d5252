// Every request builds its TLS settings, which reads SecureProtocols from the registry
// stand-in: this shows what that costs per request.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "platform/ModRegValue.h"
#include "service/SslSettings.h"

#include "support/CoreBenchmarkMain.h"

namespace
{

const QString internetSettings =
    QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings");

void withRegistryFile(benchmark::State &state, void (*body)(benchmark::State &))
{
    QTemporaryDir dir;
    qputenv("VELMO_REGISTRY_FILE", dir.filePath("registry.json").toLocal8Bit());
    WriteRegValue(RegistryRoot::CurrentUser, internetSettings, "SecureProtocols", 10880);
    body(state);
    qunsetenv("VELMO_REGISTRY_FILE");
}

void readSecureProtocols(benchmark::State &state)
{
    withRegistryFile(state, [](benchmark::State &running) {
        for (auto _ : running)
            benchmark::DoNotOptimize(
                ReadRegValue(RegistryRoot::CurrentUser, internetSettings, "SecureProtocols"));
    });
}
BENCHMARK(readSecureProtocols);

void buildSslConfiguration(benchmark::State &state)
{
    withRegistryFile(state, [](benchmark::State &running) {
        for (auto _ : running)
            benchmark::DoNotOptimize(velmoSslConfiguration());
    });
}
BENCHMARK(buildSslConfiguration);

} // namespace

int main(int argc, char **argv)
{
    return runWithCoreApplication(argc, argv);
}
