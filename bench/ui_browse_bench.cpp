// The card browser's walk (two levels, sorted like the file manager) on a large card: 50
// folders in the root with 200 folders each (10,050 listed entries), every second-level
// folder holding a third level and a file that the walk must not read, and 500 files in
// the root.

#include "platform/linux/PosixFolderLister.h"
#include "ui/model/CardFolderScan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void touch(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        std::abort();
}

const QString &largeCard()
{
    static QTemporaryDir dir;
    static const QString root = [] {
        const QString card = dir.path() + QStringLiteral("/card");
        for (int top = 0; top < 50; ++top) {
            const QString folder = card + QStringLiteral("/%1CANON").arg(100 + top);
            for (int inner = 0; inner < 200; ++inner) {
                const QString second = folder + QStringLiteral("/Clip %1").arg(inner);
                QDir().mkpath(second + QStringLiteral("/THMB"));
                touch(second + QStringLiteral("/IMG.JPG"));
            }
        }
        for (int file = 0; file < 500; ++file)
            touch(card + QStringLiteral("/IMG_%1.JPG").arg(file));
        return card;
    }();
    return root;
}

void BM_ListLargeCard(benchmark::State &state)
{
    const QString &root = largeCard();
    qsizetype listed = 0;
    for (auto _ : state) {
        const QList<CardFolderScan::Entry> entries
            = CardFolderScan::listDirectories(PosixFolderLister::instance(), root);
        listed = entries.size();
        benchmark::DoNotOptimize(entries);
    }
    state.counters["entries"] = double(listed);
}
BENCHMARK(BM_ListLargeCard)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
