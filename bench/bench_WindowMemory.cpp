// Memory the open sign-in window adds to the host's process (account table of 10,000
// rows on a private MariaDB, offscreen platform). The first opening loads plugins, fonts
// and pictures that stay for the life of the process; it is reported apart from what
// each later opening adds while the window shows and keeps after it has closed.
#include <QWidget>

#include <benchmark/benchmark.h>

#include "support/FirstPaintWatcher.h"
#include "support/ProcessMemory.h"
#include "support/SignInBench.h"

namespace
{

// Opens the window, reads the memory once its first frame is painted, closes it.
std::optional<ProcessMemory> memoryWhileOpen(FirstPaintWatcher &watcher)
{
    ProcessMemory open;
    if (!watcher.timeFirstFrame(SignInBench::openWindow,
                                [&open](QWidget &) { open = ProcessMemory::now(); }))
        return std::nullopt;
    return open;
}

void windowMemory(benchmark::State &state)
{
    FirstPaintWatcher watcher;
    const ProcessMemory start = ProcessMemory::now();
    const std::optional<ProcessMemory> firstOpen = memoryWhileOpen(watcher);
    const ProcessMemory afterFirst = ProcessMemory::now();
    if (!firstOpen) {
        state.SkipWithError("the sign-in window did not paint");
        return;
    }

    qint64 addedRss = 0;
    qint64 addedPss = 0;
    for (auto _ : state) {
        const ProcessMemory before = ProcessMemory::now();
        const std::optional<ProcessMemory> open = memoryWhileOpen(watcher);
        if (!open) {
            state.SkipWithError("the sign-in window did not paint");
            return;
        }
        addedRss += (*open - before).rssKib;
        addedPss += (*open - before).pssKib;
    }
    const ProcessMemory afterAll = ProcessMemory::now();
    const double openings = double(state.iterations());
    state.counters["window_rss_kib"] = double(addedRss) / openings;
    state.counters["window_pss_kib"] = double(addedPss) / openings;
    state.counters["first_opening_rss_kib"] = double((*firstOpen - start).rssKib);
    state.counters["loaded_once_rss_kib"] = double((afterFirst - start).rssKib);
    state.counters["kept_per_opening_kib"] = double((afterAll - afterFirst).rssKib) / openings;
    state.counters["process_rss_kib"] = double(afterAll.rssKib);
}

} // namespace

BENCHMARK(windowMemory)->Iterations(20)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return SignInBench::run(argc, argv);
}
