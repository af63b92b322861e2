// Showing the settings window with far more rules than anyone keeps: building it on first
// use, filling it from the store and laying out and painting it, as the tray's Settings
// item does.
#include "detection/VolumeWatching.h"
#include "filemanager/FileManagerService.h"
#include "platform/PointerControl.h"
#include "platform/linux/PosixFileAccess.h"
#include "platform/linux/PosixFolderLister.h"
#include "rules/RulesStore.h"
#include "support/Logger.h"
#include "ui/Appearance.h"
#include "ui/SettingsWindow.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class NullLogger final : public Logger {
public:
    void write(Level, const QString &) override { }
};

class SilentFileManager final : public FileManagerService {
public:
    void open(const QUrl &, const std::optional<Placement> &, bool, const std::optional<QUrl> &,
        Completion) override
    {
    }
    void checkFileManager(std::function<void(bool)>) override { }
    void captureFrontWindowBounds(std::function<void(std::optional<Placement>)>) override { }
};

class StillPointer final : public PointerControl {
public:
    void moveTo(const QPointF &) override { }
    QPointF position() const override { return {}; }
};

RuleList makeRules(int count)
{
    RuleList rules;
    for (int i = 0; i < count; ++i) {
        Rule rule = Rule::makeNew();
        rule.name = QStringLiteral("Camera %1").arg(i);
        rule.enabled = i % 4 != 0;
        rule.match = VolumeMatch::volumeName(QStringLiteral("CARD_%1").arg(i));
        if (i % 3 == 0)
            rule.subfolder = Subfolder::custom(QStringLiteral("DCIM/%1CANON").arg(100 + i % 900));
        rules.append(rule);
    }
    return rules;
}

void BM_showSettingsWindow(benchmark::State &state)
{
    QTemporaryDir temp;
    NullLogger log;
    RulesStore store(temp.path() + QStringLiteral("/Mirvale"), log, std::make_shared<PosixFileAccess>());
    store.load();
    AppSettings settings = store.settings();
    settings.firstRunHintShown = true;
    store.setSettings(settings);
    store.save(makeRules(int(state.range(0))));
    SilentFileManager fileManager;
    StillPointer pointer;

    SettingsWindow::Services services;
    services.store = &store;
    services.fileManager = &fileManager;
    services.pointer = &pointer;
    services.log = &log;
    services.folders = &PosixFolderLister::instance();

    for (auto _ : state) {
        SettingsWindow window(services);
        window.show(false);
        // Until the first frame: layout and paint, as the event loop does them.
        window.repaint();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
    }
    store.waitForPendingWrites();
}
BENCHMARK(BM_showSettingsWindow)
    ->Arg(500)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Appearance::apply(app, Appearance::Mode::Dark);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
