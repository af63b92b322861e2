// Loading and validating rule lists far larger than anyone keeps, to show that neither
// the decoder nor the repeat check grows out of hand.
#include "platform/linux/PosixFileAccess.h"
#include "rules/RuleValidator.h"
#include "rules/RulesFormat.h"
#include "rules/RulesStore.h"
#include "support/Logger.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class NullLogger final : public Logger {
public:
    void write(Level, const QString &) override { }
};

/// Rules with every field in use and no two alike, unless `twins` makes every second
/// rule repeat the one before it.
RuleList makeRules(int count, bool twins = false)
{
    RuleList rules;
    rules.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int key = twins ? i / 2 : i;
        Rule rule;
        rule.name = QStringLiteral("Camera %1").arg(i);
        rule.enabled = i % 5 != 0;
        rule.match = VolumeMatch::volumeName(QStringLiteral("CARD_%1").arg(key));
        switch (i % 3) {
        case 0:
            rule.subfolder = Subfolder::smart();
            break;
        case 1:
            rule.subfolder = Subfolder::preset(Presets::allCases[static_cast<size_t>(i % 3)]);
            break;
        default:
            rule.subfolder = Subfolder::custom(QStringLiteral("DCIM/%1CANON").arg(100 + i % 900));
            break;
        }
        if (twins)
            rule.subfolder = Subfolder::custom(QStringLiteral("DCIM/%1").arg(key));
        rule.openNewestFolder = i % 2 == 0;
        rule.selectNewestFile = i % 3 == 0;
        if (i % 4 == 0)
            rule.placement = Placement { i % 1000, i % 700, 800, 600 };
        if (i % 7 == 0)
            rule.extras.mouseWarp = MousePoint { i % 1500, i % 900 };
        rules.append(rule);
    }
    return rules;
}

void loadAndValidate1000(benchmark::State &state)
{
    QTemporaryDir temp;
    PosixFileAccess files;
    const QString path = temp.filePath(QStringLiteral("rules.json"));
    files.writeAtomically(path, RulesFormat::encodeRules(makeRules(1000)));
    for (auto _ : state) {
        const RuleList rules = RulesFormat::decodeRules(files.read(path, RulesStore::kMaxFileBytes));
        const RuleIssueList issues = RuleValidator::validate(rules);
        benchmark::DoNotOptimize(issues.size());
    }
    state.counters["file_bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(loadAndValidate1000)->Unit(benchmark::kMillisecond);

void storeLoad1000(benchmark::State &state)
{
    QTemporaryDir temp;
    const QString folder = temp.filePath(QStringLiteral("Mirvale"));
    PosixFileAccess files;
    files.createFolder(folder);
    files.writeAtomically(folder + QStringLiteral("/rules.json"), RulesFormat::encodeRules(makeRules(1000)));
    files.writeAtomically(
        folder + QStringLiteral("/settings.json"), RulesFormat::encodeSettings(AppSettings::defaults()));
    NullLogger logger;
    for (auto _ : state) {
        RulesStore store(folder, logger, std::make_shared<PosixFileAccess>());
        store.load();
        benchmark::DoNotOptimize(RulesStore::validate(store.rules()).size());
    }
}
BENCHMARK(storeLoad1000)->Unit(benchmark::kMillisecond);

void validate10000(benchmark::State &state)
{
    const RuleList rules = makeRules(10000);
    for (auto _ : state)
        benchmark::DoNotOptimize(RuleValidator::validate(rules).size());
}
BENCHMARK(validate10000)->Unit(benchmark::kMillisecond);

void validate10000Twins(benchmark::State &state)
{
    const RuleList rules = makeRules(10000, true);
    std::size_t warnings = 0;
    for (auto _ : state) {
        warnings = static_cast<std::size_t>(RuleValidator::validate(rules).size());
        benchmark::DoNotOptimize(warnings);
    }
    state.counters["issues"] = static_cast<double>(warnings);
}
BENCHMARK(validate10000Twins)->Unit(benchmark::kMillisecond);

/// Every rule repeats the first: once millions of warnings, now one per rule.
void validate10000Identical(benchmark::State &state)
{
    const RuleList rules(10000, Rule::makeDefaultCatchAll());
    std::size_t issues = 0;
    for (auto _ : state) {
        issues = static_cast<std::size_t>(RuleValidator::validate(rules).size());
        benchmark::DoNotOptimize(issues);
    }
    state.counters["issues"] = static_cast<double>(issues);
}
BENCHMARK(validate10000Identical)->Unit(benchmark::kMillisecond);

/// What saving checks: the errors alone.
void errors10000Identical(benchmark::State &state)
{
    const RuleList rules(10000, Rule::makeDefaultCatchAll());
    for (auto _ : state)
        benchmark::DoNotOptimize(RuleValidator::errors(rules).size());
}
BENCHMARK(errors10000Identical)->Unit(benchmark::kMillisecond);

void encode1000(benchmark::State &state)
{
    const RuleList rules = makeRules(1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(RulesFormat::encodeRules(rules).size());
}
BENCHMARK(encode1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
