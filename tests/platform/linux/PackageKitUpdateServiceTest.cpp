#include "platform/linux/PackageKitUpdateService.h"
#include "common/PollUntil.h"
#include "common/RecordingLogger.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

/// One PackageKit transaction: answers from the script after the call returns, as the real
/// daemon does.
class FakeTransaction : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.PackageKit.Transaction")
public:
    struct Script {
        QStringList installed;
        QStringList updates;
        bool installSucceeds = true;
        QStringList *calls = nullptr;
    };
    FakeTransaction(Script script, QObject *parent)
        : QObject(parent)
        , m_script(std::move(script))
    {
    }

public slots:
    void Resolve(qulonglong filter, const QStringList &names)
    {
        m_script.calls->append(QStringLiteral("Resolve %1 %2").arg(filter).arg(names.join(u',')));
        answer(m_script.installed, true);
    }
    void GetUpdates(qulonglong filter)
    {
        m_script.calls->append(QStringLiteral("GetUpdates %1").arg(filter));
        answer(m_script.updates, true);
    }
    void UpdatePackages(qulonglong flags, const QStringList &ids)
    {
        m_script.calls->append(QStringLiteral("UpdatePackages %1 %2").arg(flags).arg(ids.join(u',')));
        answer({}, m_script.installSucceeds);
    }

signals:
    void Package(uint info, const QString &packageId, const QString &summary);
    void ErrorCode(uint code, const QString &details);
    void Finished(uint exit, uint runtime);

private:
    void answer(const QStringList &packages, bool succeeds)
    {
        QTimer::singleShot(0, this, [this, packages, succeeds] {
            for (const QString &id : packages)
                emit Package(1, id, QStringLiteral("summary"));
            if (!succeeds)
                emit ErrorCode(3, QStringLiteral("not authorised"));
            emit Finished(succeeds ? 1 : 2, 5);
        });
    }
    Script m_script;
};

class FakePackageKit : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.PackageKit")
public:
    FakePackageKit(QDBusConnection bus, FakeTransaction::Script script)
        : m_bus(std::move(bus))
        , m_script(std::move(script))
    {
        m_script.calls = &calls;
    }
    QStringList calls;

public slots:
    QDBusObjectPath CreateTransaction()
    {
        const QString path = QStringLiteral("/%1").arg(++m_count);
        auto *transaction = new FakeTransaction(m_script, this);
        m_bus.registerObject(
            path, transaction, QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals);
        return QDBusObjectPath(path);
    }

private:
    QDBusConnection m_bus;
    FakeTransaction::Script m_script;
    int m_count = 0;
};

namespace {

/// A bus daemon of the test's own, with no services to start.
class PrivateBus {
public:
    PrivateBus()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            return;
        QFile config(m_folder.path() + QStringLiteral("/bus.conf"));
        if (!config.open(QIODevice::WriteOnly))
            return;
        config.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                     " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                     "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>"
                     "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                     "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
        config.close();
        m_daemon.start(QStringLiteral("dbus-daemon"),
            { QStringLiteral("--config-file=") + config.fileName(), QStringLiteral("--print-address"),
                QStringLiteral("--nofork") });
        if (m_daemon.waitForReadyRead(5000))
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        for (const QString &name : m_connections)
            QDBusConnection::disconnectFromBus(name);
        m_daemon.terminate();
        m_daemon.waitForFinished(5000);
    }
    bool isUp() const { return !m_address.isEmpty(); }
    QDBusConnection connect(const QString &name)
    {
        m_connections.append(name);
        return QDBusConnection::connectToBus(m_address, name);
    }

private:
    QTemporaryDir m_folder;
    QProcess m_daemon;
    QString m_address;
    QStringList m_connections;
};

struct ServiceRun {
    std::unique_ptr<PrivateBus> bus = std::make_unique<PrivateBus>();
    std::unique_ptr<FakePackageKit> packageKit;
    RecordingLogger log;
    std::unique_ptr<PackageKitUpdateService> service;
    std::optional<bool> canCheck;
    QStringList events;

    /// Starts the service against a fake PackageKit following `script`, or none.
    bool start(std::optional<FakeTransaction::Script> script)
    {
        if (!bus->isUp())
            return false;
        if (script) {
            QDBusConnection daemonSide = bus->connect(QStringLiteral("fake-packagekit"));
            packageKit = std::make_unique<FakePackageKit>(daemonSide, *script);
            daemonSide.registerObject(QStringLiteral("/org/freedesktop/PackageKit"), packageKit.get(),
                QDBusConnection::ExportAllSlots);
            daemonSide.registerService(QStringLiteral("org.freedesktop.PackageKit"));
        }
        service = std::make_unique<PackageKitUpdateService>(bus->connect(QStringLiteral("mirvale")), log);
        QObject::connect(service.get(), &UpdateService::canCheckForUpdatesChanged, service.get(),
            [this](bool value) { canCheck = value; });
        QObject::connect(service.get(), &UpdateService::updateFound, service.get(),
            [this](const QString &version) { events.append(QStringLiteral("found ") + version); });
        QObject::connect(service.get(), &UpdateService::userAttended, service.get(),
            [this] { events.append(QStringLiteral("attended")); });
        QObject::connect(service.get(), &UpdateService::sessionFinished, service.get(),
            [this] { events.append(QStringLiteral("finished")); });
        service->start();
        return true;
    }
    bool logged(const QString &line)
    {
        return pollUntil([&] { return log.contains(line); });
    }
};

const QString kInstalled = QStringLiteral("mirvale;2.2;amd64;installed:debian");
const QString kUpdate = QStringLiteral("mirvale;2.3;amd64;debian-updates");

} // namespace

TEST(PackageKitUpdateService, WithoutPackageKitNoCheckIsOffered)
{
    ServiceRun run;
    if (!run.start(std::nullopt))
        GTEST_SKIP() << "no dbus-daemon";
    EXPECT_TRUE(run.logged(QStringLiteral(
        "[INFO] UpdateController: no update checks: PackageKit is not available on this system")));
    EXPECT_NE(run.canCheck, true);
    run.service->checkForUpdates();
    processEventsFor(std::chrono::milliseconds(50));
    EXPECT_EQ(run.log.lines().size(), 1);
}

TEST(PackageKitUpdateService, WithoutThePackageNoCheckIsOffered)
{
    ServiceRun run;
    FakeTransaction::Script script;
    script.installed = { QStringLiteral("mirvale-extras;1.0;amd64;installed:debian") };
    if (!run.start(script))
        GTEST_SKIP() << "no dbus-daemon";
    EXPECT_TRUE(run.logged(
        QStringLiteral("[INFO] UpdateController: no update checks: Mirvale was not installed as the "
                       "package \"mirvale\", so the package manager cannot update it")));
    EXPECT_NE(run.canCheck, true);
    EXPECT_EQ(run.packageKit->calls, QStringList { QStringLiteral("Resolve 4 mirvale") });
}

TEST(PackageKitUpdateService, ANewerPackageIsAnnouncedAndInstalledOnRequest)
{
    ServiceRun run;
    FakeTransaction::Script script;
    script.installed = { kInstalled };
    script.updates = { QStringLiteral("other;1.0;amd64;debian"), kUpdate };
    if (!run.start(script))
        GTEST_SKIP() << "no dbus-daemon";
    ASSERT_TRUE(pollUntil([&] { return run.events.contains(QStringLiteral("found 2.3")); }));
    EXPECT_EQ(run.canCheck, true);
    EXPECT_TRUE(run.log.contains(QStringLiteral("[INFO] UpdateController: mirvale 2.3 is available")));

    run.service->checkForUpdates();
    EXPECT_EQ(run.canCheck, false); // busy while installing
    ASSERT_TRUE(pollUntil([&] { return run.events.contains(QStringLiteral("finished")); }));
    EXPECT_EQ(run.events,
        (QStringList {
            QStringLiteral("found 2.3"), QStringLiteral("attended"), QStringLiteral("finished") }));
    EXPECT_EQ(run.packageKit->calls.last(), QStringLiteral("UpdatePackages 2 ") + kUpdate);
    EXPECT_EQ(run.canCheck, true);
    EXPECT_TRUE(run.log.contains(QStringLiteral(
        "[INFO] UpdateController: installed mirvale 2.3; it takes effect when Mirvale starts again")));
}

TEST(PackageKitUpdateService, AFailedInstallEndsTheSessionAndSaysWhy)
{
    ServiceRun run;
    FakeTransaction::Script script;
    script.installed = { kInstalled };
    script.updates = { kUpdate };
    script.installSucceeds = false;
    if (!run.start(script))
        GTEST_SKIP() << "no dbus-daemon";
    ASSERT_TRUE(pollUntil([&] { return run.events.contains(QStringLiteral("found 2.3")); }));
    run.service->checkForUpdates();
    ASSERT_TRUE(
        run.logged(QStringLiteral("[WARN] UpdateController: installing the update failed: not authorised")));
    EXPECT_EQ(run.events.last(), QStringLiteral("finished"));
    // "Check for Updates…" is shown again, and checks rather than installs.
    run.service->checkForUpdates();
    ASSERT_TRUE(pollUntil([&] { return run.events.count(QStringLiteral("found 2.3")) == 2; }));
    EXPECT_EQ(run.packageKit->calls.filter(QStringLiteral("UpdatePackages")).size(), 1);
}

TEST(PackageKitUpdateService, AUserCheckWithNothingNewSaysSo)
{
    ServiceRun run;
    FakeTransaction::Script script;
    script.installed = { kInstalled };
    if (!run.start(script))
        GTEST_SKIP() << "no dbus-daemon";
    ASSERT_TRUE(pollUntil([&] { return run.canCheck == true; }));
    run.service->checkForUpdates();
    ASSERT_TRUE(run.logged(QStringLiteral("[INFO] UpdateController: mirvale is up to date")));
    EXPECT_TRUE(run.events.isEmpty());
    EXPECT_EQ(run.packageKit->calls,
        (QStringList { QStringLiteral("Resolve 4 mirvale"), QStringLiteral("GetUpdates 2"),
            QStringLiteral("GetUpdates 2") }));
}

#include "PackageKitUpdateServiceTest.moc"
