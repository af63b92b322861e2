// NewestFile.find and NewestFolder.find on 10,000 entries, beside `find -printf '%B@ %f\n'`
// doing the same listing (one getdents pass, one stat call per entry). Debian's find is built
// without statx: it prints -1 for %B but still stats every entry (newfstatat), and for folders
// it also opens each one, so its figure is a lower bound for a birth-time listing.
//
//   targets_newest_bench                    run the benchmarks and print the ratios
//   targets_newest_bench --newest-file DIR  print DIR's newest file once (for hyperfine)
//   targets_newest_bench --newest-folder DIR
//   targets_newest_bench --make-tree DIR    fill DIR/files and DIR/folders, then exit

#include "platform/linux/StatxEntryAttributeSource.h"
#include "support/Logger.h"
#include "targets/NewestFile.h"
#include "targets/NewestFolder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int kEntries = 10'000;

class NullLogger final : public Logger {
public:
    void write(Level, const QString &) override { }
};

void makeTree(const QString &base)
{
    QDir().mkpath(base + QStringLiteral("/files"));
    QDir().mkpath(base + QStringLiteral("/folders"));
    for (int i = 0; i < kEntries; ++i) {
        const QString name = QStringLiteral("IMG_%1.JPG").arg(i, 5, 10, QLatin1Char('0'));
        QFile file(base + QStringLiteral("/files/") + name);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        QDir().mkdir(base + QStringLiteral("/folders/%1CANON").arg(100 + i));
    }
}

QString treeRoot()
{
    static QTemporaryDir dir;
    static const bool made = (makeTree(dir.path()), true);
    Q_UNUSED(made);
    return dir.path();
}

QString filesDir()
{
    return treeRoot() + QStringLiteral("/files");
}
QString foldersDir()
{
    return treeRoot() + QStringLiteral("/folders");
}

// Runs `find DIR -maxdepth 1 -printf '%B@ %f\n'` with its output thrown away.
void runFind(const QString &dir)
{
    const std::string path = QFile::encodeName(dir).toStdString();
    const char *argv[] = { "find", path.c_str(), "-maxdepth", "1", "-printf", "%B@ %f\n", nullptr };
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "find", &actions, nullptr, const_cast<char **>(argv), environ) != 0)
        std::abort();
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::abort();
}

void BM_NewestFile_find(benchmark::State &state)
{
    NullLogger log;
    const QUrl url = QUrl::fromLocalFile(filesDir());
    for (auto _ : state)
        benchmark::DoNotOptimize(NewestFile::find(url, log, StatxEntryAttributeSource::instance()));
}

void BM_NewestFolder_find(benchmark::State &state)
{
    NullLogger log;
    const QUrl url = QUrl::fromLocalFile(foldersDir());
    for (auto _ : state)
        benchmark::DoNotOptimize(NewestFolder::find(url, log, StatxEntryAttributeSource::instance()));
}

double childrenCpuMs()
{
    rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval &t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The CPU column of a spawning benchmark shows only the parent; the child's user and system
// time goes into the "find_cpu_ms" counter so both sides can be compared on CPU as well.
void timeFind(benchmark::State &state, const QString &dir)
{
    const double before = childrenCpuMs();
    for (auto _ : state)
        runFind(dir);
    state.counters["find_cpu_ms"] = (childrenCpuMs() - before) / double(state.iterations());
}

void BM_find_files(benchmark::State &state)
{
    timeFind(state, filesDir());
}

void BM_find_folders(benchmark::State &state)
{
    timeFind(state, foldersDir());
}

// What starting `find` costs on its own, to read the listing share of the figures above.
void BM_find_emptyDir(benchmark::State &state)
{
    static QTemporaryDir empty;
    timeFind(state, empty.path());
}

BENCHMARK(BM_NewestFile_find)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_find_files)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_NewestFolder_find)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_find_folders)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_find_emptyDir)->Unit(benchmark::kMillisecond)->UseRealTime();

// Prints, after the table, each finder's time against `find` on the same directory.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    using ConsoleReporter::ConsoleReporter;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations <= 0 || run.error_occurred)
                continue;
            Figures &f = m_figures[run.run_name.function_name];
            f.wallMs = run.real_accumulated_time * 1e3 / double(run.iterations);
            const auto counter = run.counters.find("find_cpu_ms");
            f.cpuMs = counter != run.counters.end() ? double(counter->second)
                                                    : run.cpu_accumulated_time * 1e3 / double(run.iterations);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatios()
    {
        const Figures startup = m_figures["BM_find_emptyDir"];
        ratio("NewestFile.find  ", "BM_NewestFile_find", "BM_find_files", startup);
        ratio("NewestFolder.find", "BM_NewestFolder_find", "BM_find_folders", startup);
    }

private:
    struct Figures {
        double wallMs = 0;
        double cpuMs = 0;
    };

    void ratio(const char *what, const char *ours, const char *theirs, const Figures &startup)
    {
        if (!m_figures.count(ours) || !m_figures.count(theirs))
            return;
        const Figures a = m_figures[ours];
        const Figures b = m_figures[theirs];
        std::printf("%s wall %7.2f ms vs find %7.2f ms (%7.2f without its start-up): ratio %.2f (%.2f)\n",
            what, a.wallMs, b.wallMs, b.wallMs - startup.wallMs, a.wallMs / b.wallMs,
            a.wallMs / (b.wallMs - startup.wallMs));
        std::printf("%s cpu  %7.2f ms vs find %7.2f ms (%7.2f without its start-up): ratio %.2f (%.2f)\n",
            what, a.cpuMs, b.cpuMs, b.cpuMs - startup.cpuMs, a.cpuMs / b.cpuMs,
            a.cpuMs / (b.cpuMs - startup.cpuMs));
    }

    std::map<std::string, Figures> m_figures;
};

int runOnce(const char *mode, const char *dir)
{
    NullLogger log;
    const QUrl url = QUrl::fromLocalFile(QFile::decodeName(dir));
    std::optional<QUrl> found;
    if (std::strcmp(mode, "--newest-file") == 0)
        found = NewestFile::find(url, log, StatxEntryAttributeSource::instance());
    else
        found = NewestFolder::find(url, log, StatxEntryAttributeSource::instance());
    std::printf("%s\n", found ? QFile::encodeName(found->toLocalFile()).constData() : "");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3
        && (std::strcmp(argv[1], "--newest-file") == 0 || std::strcmp(argv[1], "--newest-folder") == 0))
        return runOnce(argv[1], argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "--make-tree") == 0) {
        makeTree(QFile::decodeName(argv[2]));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    treeRoot();
    RatioReporter reporter(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Defaults
                                                 : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
