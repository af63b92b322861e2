// From the open of a card's folder to its report panel on screen, on a Wayland session with
// the file manager running as a Wayland client (target: 150 ms). The file manager answers on
// the session bus (run under dbus-run-session); its process and the window list are stand-ins
// that say what a Plasma Wayland session says: Dolphin with WAYLAND_DISPLAY set, an X server
// (XWayland) with no window of it.
#include "filemanager/FileManagerClient.h"
#include "filemanager/FileManagerWindows.h"
#include "platform/MotionPreference.h"
#include "platform/ProcessTable.h"
#include "platform/WindowService.h"
#include "platform/linux/FileManager1Connection.h"
#include "rules/RulesProvider.h"
#include "support/Logger.h"
#include "support/MainLoopTimers.h"
#include "ui/NotificationPanel.h"
#include "ui/Notifier.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
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

/// Every process is Dolphin started in Plasma's Wayland session.
class WaylandDolphin final : public ProcessTable {
public:
    std::optional<qint64> parent(qint64) override { return 1; }
    std::optional<QString> executable(qint64) override { return QStringLiteral("/usr/bin/dolphin"); }
    std::optional<QHash<QString, QString>> environment(qint64) override
    {
        return QHash<QString, QString> { { QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-0") },
            { QStringLiteral("DISPLAY"), QStringLiteral(":1") },
            { QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland") } };
    }
    QStringList libraries(qint64) override { return { QStringLiteral("libQt5Gui.so.5") }; }
};

/// XWayland with one window of another program.
class XWayland final : public WindowService {
public:
    std::optional<QString> unavailableReason() override { return std::nullopt; }
    std::optional<Clients> clients() override { return Clients { { 7 }, 7 }; }
    std::optional<qint64> processId(WindowId) override { return 2; }
    std::optional<QString> title(WindowId) override { return QStringLiteral("Terminal"); }
    std::optional<QString> startupId(WindowId) override { return std::nullopt; }
    std::optional<QString> windowClass(WindowId) override { return std::nullopt; }
    std::optional<Geometry> geometry(WindowId) override { return std::nullopt; }
    bool moveResize(WindowId, QPoint, QSize) override { return false; }
    bool activate(WindowId, quint32) override { return false; }
    bool close(WindowId, quint32) override { return false; }
    std::optional<quint32> serverTime() override { return 1; }
};

/// org.freedesktop.FileManager1 that answers every call at once.
class AnsweringFileManager final : public QDBusVirtualObject {
public:
    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        return connection.send(message.createReply());
    }
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

void BM_WaylandOpenToPanelShown(benchmark::State &state)
{
    QDBusConnection bus
        = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("bench-fm"));
    AnsweringFileManager fileManager;
    if (!bus.isConnected()
        || !bus.registerVirtualObject(QStringLiteral("/org/freedesktop/FileManager1"), &fileManager)
        || !bus.registerService(QStringLiteral("org.freedesktop.FileManager1"))) {
        state.SkipWithError("no session bus, or another file manager on it (run under dbus-run-session)");
        return;
    }
    QTemporaryDir card;
    QDir().mkpath(card.filePath(QStringLiteral("DCIM/101CANON")));
    QFile newest(card.filePath(QStringLiteral("DCIM/101CANON/IMG_0001.JPG")));
    newest.open(QIODevice::WriteOnly);
    newest.close();

    QuietLog log;
    XWayland windowService;
    WaylandDolphin processes;
    FileManagerWindows windows(windowService, processes, log);
    FileManager1Connection connection(log, FileManager1Connection::kCallTimeout, &windows);
    FileManagerClient client(connection, log);
    ShowingRules rules;
    MainLoopTimers timers;
    NoMotion motion;
    Notifier notifier({ &rules, &log, &timers, &motion, {}, false, {} });
    MountedCard mounted { QUrl::fromLocalFile(card.path()), QStringLiteral("EOS_DIGITAL"), true, true,
        31'900'000'000 };
    ResolvedTarget target;
    target.card = mounted;
    target.relativePath = QStringLiteral("DCIM/101CANON");
    std::vector<double> samples;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        client.open(QUrl::fromLocalFile(card.filePath(QStringLiteral("DCIM/101CANON"))),
            Placement { 0, 0, 800, 600 }, true, QUrl::fromLocalFile(newest.fileName()),
            [&](std::optional<MirvaleError>) { notifier.cardOpened(mounted, target, 1); });
        NotificationPanel *panel = newestPanel();
        while (!panel || !panel->windowHandle() || !panel->windowHandle()->isExposed()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            panel = newestPanel();
        }
        const double elapsed = double(clock.nsecsElapsed()) / 1e6;
        state.SetIterationTime(elapsed / 1e3);
        samples.push_back(elapsed);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), panel->mapToGlobal(QPointF(5, 5)),
            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(panel, &press);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    std::sort(samples.begin(), samples.end());
    state.counters["median_ms"] = samples.empty() ? 0.0 : samples[samples.size() / 2];
    state.counters["max_ms"] = samples.empty() ? 0.0 : samples.back();
    bus.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
}
BENCHMARK(BM_WaylandOpenToPanelShown)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

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
