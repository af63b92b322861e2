// The log's two costs: what a caller pays per line (it must never wait for the disk), and how
// many lines per second reach the disk from two threads, rotation included.
#include "support/Log.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <thread>

namespace {

QString message()
{
    return QStringLiteral("EOS_DIGITAL: opening DCIM/101CANON");
}

void BM_LogInfoCallerTime(benchmark::State &state)
{
    QTemporaryDir library;
    Log log(library.path());
    const QString text = message();
    int sinceSync = 0;
    for (auto _ : state) {
        log.info(text);
        // Keep the backlog bounded so the measurement is the steady state, not memory growth.
        if (++sinceSync == 4096) {
            state.PauseTiming();
            log.sync();
            sinceSync = 0;
            state.ResumeTiming();
        }
    }
    log.sync();
}
BENCHMARK(BM_LogInfoCallerTime)
    ->MinTime(0.05)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kNanosecond);

void BM_LogTwoThreadsToDisk(benchmark::State &state)
{
    const int linesPerThread = int(state.range(0));
    const QString text = QString(120, QLatin1Char('x')); // ~150-byte lines: several rotations
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir library;
        auto log = std::make_unique<Log>(library.path());
        state.ResumeTiming();
        std::thread a([&] {
            for (int i = 0; i < linesPerThread; ++i)
                log->info(text);
        });
        std::thread b([&] {
            for (int i = 0; i < linesPerThread; ++i)
                log->warn(text);
        });
        a.join();
        b.join();
        log->sync();
        state.PauseTiming();
        log.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 2 * linesPerThread);
}
BENCHMARK(BM_LogTwoThreadsToDisk)->Arg(20000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
