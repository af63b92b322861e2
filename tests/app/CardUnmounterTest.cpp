// Unmounting at the user's request: a busy card tried again, then its holders named once.
#include "app/CardUnmounter.h"
#include "app/CardHolderNames.h"

#include "common/FakeMountUsers.h"
#include "common/FakeNotifier.h"
#include "common/FakeVolumeWatcher.h"
#include "common/ManualTimers.h"
#include "common/PollUntil.h"
#include "common/QtPrinters.h"
#include "common/RecordingLogger.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

using Process = MountUsers::Process;

class CardUnmounterTest : public ::testing::Test {
protected:
    CardUnmounter &make()
    {
        CardUnmounter::Services services;
        services.watcher = &m_watcher;
        services.notifier = &m_notifier;
        services.log = &m_log;
        services.timers = &m_timers;
        services.users = m_users;
        services.self = 10;
        services.now = [this] { return std::chrono::steady_clock::time_point(m_timers.now()); };
        m_unmounter = std::make_unique<CardUnmounter>(std::move(services), CardUnmounter::Limits {});
        return *m_unmounter;
    }
    /// Lets the watcher's answer to eject request `n` (from 1) arrive.
    bool answered(int n)
    {
        return pollUntil([&] { return m_watcher.ejectRequests().size() >= n && m_timers.pending() > 0; });
    }

    static MountedCard card()
    {
        return { QUrl::fromLocalFile(QStringLiteral("/media/me/DESK2")), QStringLiteral("DESK2"), true, true,
            1 };
    }
    static MirvaleError busy() { return MirvaleError::diskBusy(QStringLiteral("target is busy")); }

    FakeVolumeWatcher m_watcher { [](const MountedCard &) {} };
    FakeNotifier m_notifier;
    RecordingLogger m_log;
    ManualTimers m_timers;
    std::shared_ptr<FakeMountUsers> m_users = std::make_shared<FakeMountUsers>();
    std::unique_ptr<CardUnmounter> m_unmounter;
};

TEST_F(CardUnmounterTest, ABusyCardIsTriedAgainUntilItsUsersLetGoAndASecondRequestJoins)
{
    QList<std::optional<MirvaleError>> outcomes;
    const auto record = [&](const std::optional<MirvaleError> &error) { outcomes.append(error); };
    m_watcher.setRequestError(busy());
    make().unmount(card(), record);
    ASSERT_TRUE(answered(1));
    m_unmounter->unmount(card(), record); // a second click while it waits
    m_timers.advance(CardUnmounter::kBusyRetry);
    ASSERT_TRUE(answered(2));
    m_watcher.setRequestError(std::nullopt);
    m_timers.advance(CardUnmounter::kBusyRetry);
    ASSERT_TRUE(pollUntil([&] { return outcomes.size() == 2; }));
    EXPECT_EQ(m_watcher.ejectRequests().size(), 3);
    EXPECT_EQ(outcomes, (QList<std::optional<MirvaleError>> { std::nullopt, std::nullopt }));
    EXPECT_TRUE(m_notifier.problems().isEmpty());
    EXPECT_TRUE(m_log.contains(QStringLiteral("[INFO] DESK2: already being unmounted")));
}

TEST_F(CardUnmounterTest, ACardStillBusyAfterThePatienceNamesItsHoldersInOnePanel)
{
    m_users->add({ 1, 0, QStringLiteral("systemd"), QStringLiteral("/usr/lib/systemd/systemd"), {} }, false);
    m_users->add(
        { 200, 1, QStringLiteral("dolphin"), QStringLiteral("/usr/bin/dolphin"), QStringLiteral("Dolphin") },
        false);
    m_users->add({ 201, 200, QStringLiteral("kioworker"), QStringLiteral("/usr/lib/kf5/kioworker"), {} },
        true); // works for Dolphin
    m_users->add({ 300, 1, QStringLiteral("bash"), QStringLiteral("/usr/bin/bash"), {} }, true);
    std::optional<MirvaleError> outcome;
    m_watcher.setRequestError(busy());
    make().unmount(card(), [&](const std::optional<MirvaleError> &error) { outcome = error; });
    for (int n = 1; !m_notifier.problems().size() && n <= 40; ++n) {
        pollUntil([&] { return m_timers.pending() > 0 || !m_notifier.problems().isEmpty(); });
        m_timers.advance(CardUnmounter::kBusyRetry);
    }
    ASSERT_TRUE(pollUntil([&] { return outcome.has_value(); }));
    // Tried from the first refusal until the patience ran out, every retry interval.
    EXPECT_EQ(m_watcher.ejectRequests().size(), 1 + CardUnmounter::kBusyPatience / CardUnmounter::kBusyRetry);
    ASSERT_EQ(m_notifier.problems().size(), 1);
    // "bash and Dolphin" as the user's language joins a list.
    const QString text = QLocale().createSeparatedList({ QStringLiteral("bash"), QStringLiteral("Dolphin") })
        + QStringLiteral(" are using DESK2: close their windows on the card, then Unmount again");
    EXPECT_EQ(m_notifier.problems().first().message, text);
    EXPECT_EQ(outcome->kind(), MirvaleError::Kind::DiskBusy);
    EXPECT_TRUE(m_log.contains(QStringLiteral("[WARN] DESK2: still busy, used by kioworker 201, bash 300")));
    EXPECT_EQ(CardUnmounter::busyText({ QStringLiteral("Dolphin") }, QStringLiteral("DESK2")),
        QStringLiteral("Dolphin is using DESK2: close its window on the card, then Unmount again"));
}

TEST(CardHolderNames, HelpersGoByTheProgramTheyWorkFor)
{
    const QList<Process> table {
        { 1, 0, QStringLiteral("systemd"), QStringLiteral("/usr/lib/systemd/systemd"), {} },
        { 50, 1, QStringLiteral("dbus-daemon"), QStringLiteral("/usr/bin/dbus-daemon"), {} },
        { 100, 1, QStringLiteral("nautilus"), QStringLiteral("/usr/bin/nautilus"), QStringLiteral("Files") },
        { 101, 100, QStringLiteral("bwrap"), QStringLiteral("/usr/bin/bwrap"), {} },
        { 102, 101, QStringLiteral("gdk-pixbuf-thum"), QStringLiteral("/usr/bin/gdk-pixbuf-thumbnailer"),
            {} },
        { 200, 1, QStringLiteral("dolphin"), QStringLiteral("/usr/bin/dolphin"), QStringLiteral("Dolphin") },
        { 201, 200, QStringLiteral("file.so"), QStringLiteral("/usr/bin/kioslave5"), {} },
        { 300, 50, QStringLiteral("gvfsd-trash"), QStringLiteral("/usr/libexec/gvfsd-trash"), {} },
        { 400, 1, QStringLiteral("konsole"), QStringLiteral("/usr/bin/konsole"), QStringLiteral("Konsole") },
        { 10, 1, QStringLiteral("mirvale"), QStringLiteral("/usr/bin/mirvale"), QStringLiteral("Mirvale") },
        { 11, 10, QStringLiteral("umount"), QStringLiteral("/usr/bin/umount"), {} },
    };
    const CardHolderNames::Lookup lookup = [&](qint64 pid) -> std::optional<Process> {
        for (const Process &process : table)
            if (process.pid == pid)
                return process;
        return std::nullopt;
    };
    const auto users = [&](std::initializer_list<qint64> pids) {
        QList<Process> found;
        for (const qint64 pid : pids)
            found.append(*lookup(pid));
        return found;
    };
    struct Row {
        QList<Process> users;
        QStringList names;
    };
    const Row rows[] = {
        { users({ 102 }), { QStringLiteral("Files") } }, // a sandboxed thumbnailer, through its sandbox
        { users({ 201, 200 }), { QStringLiteral("Dolphin") } }, // a KIO worker and its program, once
        { users({ 300 }),
            { QStringLiteral("gvfsd-trash") } }, // started by the bus: works for nobody in particular
        { users({ 400, 201 }), { QStringLiteral("Dolphin"), QStringLiteral("Konsole") } },
        { users({ 10, 11 }), { QStringLiteral("umount") } }, // Mirvale itself is never named
        { {}, {} },
    };
    for (const Row &row : rows)
        EXPECT_EQ(CardHolderNames::of(row.users, lookup, 10), row.names);
    EXPECT_TRUE(CardHolderNames::isHelper(table.at(6)));
    EXPECT_FALSE(CardHolderNames::isHelper(table.at(8)));
}

} // namespace
