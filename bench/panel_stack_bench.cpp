// Restacking the report panels: it runs after every report and every close.
#include "support/Logger.h"
#include "support/TimerScheduler.h"
#include "ui/model/PanelStack.h"

#include <benchmark/benchmark.h>

namespace {

class QuietLog final : public Logger {
public:
    void write(Level, const QString &) override { }
};

class IdleTimers final : public TimerScheduler {
public:
    std::unique_ptr<Timer> start(std::chrono::milliseconds, std::function<void()>) override
    {
        return std::make_unique<Timer>();
    }
};

class StillView final : public PanelView {
public:
    explicit StillView(int height)
        : m_size(330, height)
    {
    }
    QSize size() const override { return m_size; }
    void moveTo(const QPoint &topLeft) override { benchmark::DoNotOptimize(m_at = topLeft); }
    void show() override { }
    void fadeOut(std::function<void()>) override { }
    void close() override { }

private:
    QSize m_size;
    QPoint m_at;
};

void BM_ReflowFourPanels(benchmark::State &state)
{
    QuietLog log;
    IdleTimers timers;
    int height = 70;
    PanelStack::Services services;
    services.log = &log;
    services.timers = &timers;
    services.makeView = [&height](const PanelContent &, PanelView::Events) {
        return std::make_unique<StillView>(height += 10);
    };
    services.availableArea = [] { return QRect(0, 27, 1920, 1053); };
    services.pointer = [] { return QPoint(400, 500); };
    services.reducedMotion = [] { return false; };
    PanelStack stack(std::move(services));
    for (int i = 0; i < 4; ++i)
        stack.present(QStringLiteral("EOS_DIGITAL"),
            UserText::verbatim(QStringLiteral("Opened DCIM/100CANON")), i == 2, {});
    for (auto _ : state)
        stack.reflow();
}
BENCHMARK(BM_ReflowFourPanels);

} // namespace

BENCHMARK_MAIN();
