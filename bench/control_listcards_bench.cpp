// ListCards over the session bus, round trip, with 16 cards listed. Run it on a private bus:
//   dbus-run-session -- build/bench/control_listcards_bench
#include "app/AbstractNotifier.h"
#include "app/ControlInterface.h"
#include "app/Coordinator.h"
#include "filemanager/FileManagerService.h"
#include "platform/linux/StatxEntryAttributeSource.h"
#include "rules/RulesProvider.h"
#include "support/Logger.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>

#include <benchmark/benchmark.h>

#include <thread>

namespace {

struct QuietLog final : Logger {
    void write(Level, const QString &) override { }
};

struct StillRules final : RulesProvider {
    void load() override { }
    RuleList rules() const override { return {}; }
    AppSettings settings() const override { return {}; }
    void setSettings(const AppSettings &) override { }
};

struct IdleFileManager final : FileManagerService {
    void open(const QUrl &, const std::optional<Placement> &, bool, const std::optional<QUrl> &,
        Completion) override
    {
    }
    void checkFileManager(std::function<void(bool)>) override { }
    void captureFrontWindowBounds(std::function<void(std::optional<Placement>)>) override { }
};

struct SilentNotifier final : AbstractNotifier {
    void setup() override { }
    void setOnEjectRequested(std::function<void(const QUrl &)>) override { }
    void cardOpened(const MountedCard &, const ResolvedTarget &, std::optional<int>) override { }
    void cardProblem(const MountedCard &, const UserText &) override { }
};

/// Sixteen mounted cards, as the menu would list them.
struct ListedCards final : VolumeWatching {
    void start() override { }
    void scanExistingAsync(ScanCallback) override { }
    void noteHandledAtLaunch(const QList<MountedCard> &) override { }
    QList<MountedCard> mountedCards() const override { return {}; }
    QList<DetectedCard> detectedCards() const override
    {
        QList<DetectedCard> cards;
        for (int i = 0; i < 16; ++i) {
            const QString name = QStringLiteral("CARD ") + QString::number(i);
            cards.append(DetectedCard { QStringLiteral("sd") + QString::number(i), name,
                QUrl::fromLocalFile(QStringLiteral("/media/me/") + name), qint64(i) * 1'000'000'000, false });
        }
        return cards;
    }
    void observeCardsChanged(QObject *, std::function<void()>) override { }
    void mount(const DetectedCard &, RequestCompletion) override { }
    void eject(const MountedCard &, RequestCompletion) override { }
    void makeCardAsync(const QUrl &, CardCompletion) override { }
};

void BM_ListCardsRoundTrip(benchmark::State &state)
{
    QDBusConnection client
        = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("bench"));
    const QDBusMessage call = QDBusMessage::createMethodCall(ControlInterface::kServiceName,
        ControlInterface::kObjectPath, ControlInterface::kInterfaceName, QStringLiteral("ListCards"));
    for (auto _ : state) {
        const QDBusMessage reply = client.call(call);
        if (reply.type() != QDBusMessage::ReplyMessage) {
            state.SkipWithError("ListCards failed");
            break;
        }
        benchmark::DoNotOptimize(reply);
    }
}
BENCHMARK(BM_ListCardsRoundTrip)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.registerService(ControlInterface::kServiceName)) {
        std::fprintf(stderr, "control_listcards_bench: needs a session bus of its own (dbus-run-session)\n");
        return 1;
    }
    QuietLog log;
    StillRules rules;
    IdleFileManager fileManager;
    SilentNotifier notifier;
    Coordinator::Services services;
    services.rules = &rules;
    services.fileManager = &fileManager;
    services.notifier = &notifier;
    services.log = &log;
    services.files = &StatxEntryAttributeSource::instance();
    services.makeVolumeWatcher
        = [](VolumeWatching::MountCallback) { return std::make_unique<ListedCards>(); };
    Coordinator coordinator(services);
    ControlInterface control(coordinator, log);
    control.registerOn(bus);

    // The main thread serves; the measured calls come from another thread and connection.
    std::thread client([] {
        benchmark::RunSpecifiedBenchmarks();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
    });
    QCoreApplication::exec();
    client.join();
    benchmark::Shutdown();
    return 0;
}
