// Unmounting at the user's request: a busy card tried again, then its holders named once.
#include "app/CardUnmounter.h"

#include "common/FakeMountUsers.h"
#include "common/FakeNotifier.h"
#include "common/FakeVolumeWatcher.h"
#include "common/ManualTimers.h"
#include "common/PollUntil.h"
#include "common/RecordingLogger.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

using Outcomes = QList<std::optional<MirvaleError>>;

class CardUnmounterTest : public ::testing::Test {
protected:
    void unmount()
    {
        m_unmounter.unmount({ QUrl::fromLocalFile(QStringLiteral("/media/me/DESK2")), QStringLiteral("DESK2"),
                                true, true, 1 },
            [this](const std::optional<MirvaleError> &error) { m_outcomes.append(error); });
    }
    /// Lets the answer to the latest try arrive, then the retry interval pass.
    void nextTry()
    {
        pollUntil([&] { return m_timers.pending() > 0 || m_outcomes.size() > m_seen; });
        m_timers.advance(CardUnmounter::kBusyRetry);
    }

    FakeVolumeWatcher m_watcher { [](const MountedCard &) {} };
    FakeNotifier m_notifier;
    RecordingLogger m_log;
    ManualTimers m_timers;
    std::shared_ptr<FakeMountUsers> m_users = std::make_shared<FakeMountUsers>();
    Outcomes m_outcomes;
    qsizetype m_seen = 0;
    CardUnmounter m_unmounter { { &m_watcher, &m_notifier, &m_log, &m_timers, m_users, 10,
                                    [this] { return std::chrono::steady_clock::time_point(m_timers.now()); },
                                    {} },
        {} };
};

TEST_F(CardUnmounterTest, ABusyCardIsTriedAgainThenItsHoldersAreNamedInOnePanel)
{
    // A thumbnailer in Files' sandbox, Dolphin's KIO worker, a gvfs daemon the bus started, Mirvale.
    const char *processes[][4] = { { "50", "1", "dbus-daemon", "" }, { "100", "1", "nautilus", "Files" },
        { "101", "100", "bwrap", "" }, { "102", "101", "gdk-pixbuf-thumbnailer", "" },
        { "200", "1", "dolphin", "Dolphin" }, { "201", "200", "file.so", "" },
        { "300", "50", "gvfsd-trash", "" }, { "10", "1", "mirvale", "Mirvale" } };
    for (const auto &row : processes)
        m_users->add(atoi(row[0]), atoi(row[1]), row[2], row[3], atoi(row[0]) >= 102 || atoi(row[0]) == 10);
    m_watcher.setRequestError(MirvaleError::diskBusy(QStringLiteral("target is busy")));
    unmount();
    nextTry();
    unmount(); // a second click while it waits joins the first
    while (m_outcomes.isEmpty() && m_timers.now() < CardUnmounter::kBusyPatience * 2)
        nextTry();
    ASSERT_TRUE(pollUntil([&] { return m_outcomes.size() == 2; }));
    EXPECT_EQ(m_watcher.ejectRequests().size(), 1 + CardUnmounter::kBusyPatience / CardUnmounter::kBusyRetry);
    ASSERT_EQ(m_notifier.problems().size(), 1);
    EXPECT_EQ(m_notifier.problems().first().message,
        QLocale().createSeparatedList(
            { QStringLiteral("Dolphin"), QStringLiteral("Files"), QStringLiteral("gvfsd-trash") })
            + QStringLiteral(" are using DESK2: close their windows on the card, then Unmount again"));
    EXPECT_EQ(m_outcomes.first()->kind(), MirvaleError::Kind::DiskBusy);
    EXPECT_TRUE(m_log.contains(QStringLiteral("[WARN] DESK2: still busy, used by gdk-pixbuf-thumbnailer 102, "
                                              "dolphin 200, file.so 201, gvfsd-trash 300, mirvale 10")));
    EXPECT_EQ(CardUnmounter::busyText({ QStringLiteral("Dolphin") }, QStringLiteral("DESK2")).shown(),
        QStringLiteral("Dolphin is using DESK2: close its window on the card, then Unmount again"));

    // Holders that let go between two tries: the unmount succeeds and nothing is shown.
    m_seen = m_outcomes.size();
    unmount();
    nextTry();
    m_watcher.setRequestError(std::nullopt);
    nextTry();
    ASSERT_TRUE(pollUntil([&] { return m_outcomes.size() == 3; }));
    EXPECT_EQ(m_outcomes.last(), std::nullopt);
    EXPECT_EQ(m_notifier.problems().size(), 1);
}

} // namespace
