// Peak memory while the transport is sent a 10 MB reply. It refuses replies above
// HttpTransport::maxReplyBytes, so its peak should stay near that limit instead of
// growing with the reply (target: under 3 MB above the resident size before a
// call, once the network layer has started). The peer runs on its own thread and sends from one
// buffer made beforehand, so it adds nothing while the peak is taken.
#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QNetworkAccessManager>

#include <VelmoITNet22SU/VelmoError.h>

#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <malloc.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "service/HttpTransport.h"

#include "support/CoreBenchmarkMain.h"

namespace
{

constexpr qint64 replyBytes = 10 * 1024 * 1024;

// The "VmHWM" (peak resident) or "VmRSS" figure of this process in KiB.
qint64 statusKib(const QByteArray &name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).simplified().split(' ').value(0).toLongLong();
    }
    return -1;
}

bool resetPeakResident()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

// Answers every connection with one HTTP reply of replyBytes bytes.
class OversizePeer
{
public:
    OversizePeer()
        : m_response("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: " +
                     QByteArray::number(replyBytes) + "\r\nConnection: close\r\n\r\n" +
                     QByteArray(replyBytes, 'x'))
    {
        m_listener = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (bind(m_listener, reinterpret_cast<sockaddr *>(&address), length) != 0 ||
            listen(m_listener, 4) != 0 ||
            getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~OversizePeer()
    {
        m_stopping = true;
        shutdown(m_listener, SHUT_RDWR);
        close(m_listener);
        if (m_thread.joinable())
            m_thread.join();
    }
    OversizePeer(const OversizePeer &) = delete;
    OversizePeer &operator=(const OversizePeer &) = delete;

    QString url() const { return QStringLiteral("http://127.0.0.1:%1/api/x").arg(m_port); }
    bool isListening() const { return m_port != 0; }

private:
    void serve()
    {
        while (!m_stopping) {
            const int connection = accept(m_listener, nullptr, nullptr);
            if (connection < 0)
                return;
            char request[4096];
            // The request is small: one read takes its headers and body.
            if (recv(connection, request, sizeof request, 0) > 0) {
                qint64 sent = 0;
                while (sent < m_response.size()) {
                    const ssize_t step = send(connection, m_response.constData() + sent,
                                              size_t(m_response.size() - sent), MSG_NOSIGNAL);
                    if (step <= 0)
                        break;
                    sent += step;
                }
            }
            close(connection);
        }
    }

    const QByteArray m_response;
    int m_listener = -1;
    quint16 m_port = 0;
    std::atomic<bool> m_stopping = false;
    std::thread m_thread;
};

void oversizeReply(benchmark::State &state)
{
    OversizePeer peer;
    if (!peer.isListening()) {
        state.SkipWithError("the peer could not listen");
        return;
    }
    QNetworkAccessManager manager;
    HttpTransport transport(&manager, 60);
    // The first request also starts the network layer's thread and buffers.
    try {
        transport.post(peer.url(), "{}");
    } catch (const VelmoError &) {
    }
    QList<qint64> peaksAbove;
    for (auto _ : state) {
        malloc_trim(0);
        const qint64 before = statusKib("VmRSS");
        if (!resetPeakResident()) {
            state.SkipWithError("the peak resident size cannot be reset here");
            return;
        }
        bool refused = false;
        try {
            transport.post(peer.url(), "{}");
        } catch (const VelmoError &) {
            refused = true;
        }
        peaksAbove << statusKib("VmHWM") - before;
        if (!refused)
            state.SkipWithError("the 10 MB reply was not refused");
    }
    std::sort(peaksAbove.begin(), peaksAbove.end());
    if (!peaksAbove.isEmpty()) {
        state.counters["median_peak_kib_above_start"] =
            double(peaksAbove.at(peaksAbove.size() / 2));
        state.counters["highest_peak_kib_above_start"] = double(peaksAbove.last());
    }
    state.counters["limit_kib"] = double(HttpTransport::maxReplyBytes / 1024);
}

} // namespace

BENCHMARK(oversizeReply)->Iterations(15)->UseRealTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runWithCoreApplication(argc, argv);
}
