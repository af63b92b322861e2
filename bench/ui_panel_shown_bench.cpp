// From a report call to its panel window on screen. Runs on Qt's offscreen platform unless
// QT_QPA_PLATFORM says otherwise; under X11 "on screen" means the window was exposed.
#include "platform/MotionPreference.h"
#include "rules/RulesProvider.h"
#include "support/Logger.h"
#include "support/MainLoopTimers.h"
#include "ui/NotificationPanel.h"
#include "ui/Notifier.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

class QuietLog final : public Logger {
public:
    void write(Level, const QString &) override { }
};

class ShowingRules final : public RulesProvider {
public:
    void load() override { }
    RuleList rules() const override { return {}; }
    AppSettings settings() const override
    {
        AppSettings settings;
        settings.showNotifications = true;
        return settings;
    }
    void setSettings(const AppSettings &) override { }
};

class NoMotion final : public MotionPreference {
public:
    bool prefersReducedMotion() const override { return true; }
};

NotificationPanel *newestPanel()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *panel = qobject_cast<NotificationPanel *>(widget);
        if (panel && panel->isVisible())
            return panel;
    }
    return nullptr;
}

void BM_ReportToPanelShown(benchmark::State &state)
{
    QuietLog log;
    ShowingRules rules;
    MainLoopTimers timers;
    NoMotion motion;
    Notifier notifier({ &rules, &log, &timers, &motion, {}, false, {} });
    MountedCard card { QUrl::fromLocalFile(QStringLiteral("/media/me/EOS_DIGITAL")),
        QStringLiteral("EOS_DIGITAL"), true, true, 31'900'000'000 };
    ResolvedTarget target;
    target.card = card;
    target.relativePath = QStringLiteral("DCIM/101CANON");
    std::vector<double> samples;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        notifier.cardOpened(card, target, 245);
        NotificationPanel *panel = newestPanel();
        while (!panel || !panel->windowHandle() || !panel->windowHandle()->isExposed()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            panel = newestPanel();
        }
        const double elapsed = double(clock.nsecsElapsed()) / 1e6;
        state.SetIterationTime(elapsed / 1e3);
        samples.push_back(elapsed);
        // A click sends it away at once (no animation), so each round starts with none on screen.
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), panel->mapToGlobal(QPointF(5, 5)),
            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(panel, &press);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    std::sort(samples.begin(), samples.end());
    state.counters["median_ms"] = samples.empty() ? 0.0 : samples[samples.size() / 2];
    state.counters["max_ms"] = samples.empty() ? 0.0 : samples.back();
}
BENCHMARK(BM_ReportToPanelShown)->UseManualTime()->Iterations(200)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
