// CPU used by the thread-wide wait while a request stays pending for five
// seconds. The wait must sleep between events, so the share of CPU time in wall
// time has to stay far below one core (target: under 2%).
#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include "service/HttpTransport.h"

#include "support/CoreBenchmarkMain.h"

namespace
{

constexpr int pendingMilliseconds = 5000;

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &value) { return value.tv_sec + value.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Answers each request once pendingMilliseconds have passed.
class SlowPeer : public QTcpServer
{
public:
    SlowPeer()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                QTimer::singleShot(pendingMilliseconds, socket, [socket] {
                    socket->write("HTTP/1.1 200 OK\r\nContent-Length: 12\r\nConnection: "
                                  "close\r\n\r\n{\"status\":1}");
                    socket->disconnectFromHost();
                });
            }
        });
    }
};

void pendingRequest(benchmark::State &state)
{
    SlowPeer peer;
    QNetworkAccessManager manager;
    HttpTransport transport(&manager, 60);
    const QString url = QStringLiteral("http://127.0.0.1:%1/api/x").arg(peer.serverPort());
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        const double cpuBefore = processCpuSeconds();
        const auto wallBefore = std::chrono::steady_clock::now();
        const std::optional<QString> reply = transport.post(url, "{}");
        wall +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
        cpu += processCpuSeconds() - cpuBefore;
        if (reply.value_or(QString()) != QStringLiteral("{\"status\":1}"))
            state.SkipWithError("the slow reply did not arrive");
    }
    state.counters["cpu_percent_of_wall"] = 100.0 * cpu / wall;
    state.counters["cpu_ms"] = 1000.0 * cpu;
}

} // namespace

BENCHMARK(pendingRequest)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runWithCoreApplication(argc, argv);
}
