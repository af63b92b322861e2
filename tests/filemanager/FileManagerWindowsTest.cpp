#include "filemanager/FileManagerWindows.h"
#include "filemanager/CardWindowTidier.h"

#include "common/FakeFileManagerViews.h"
#include "common/FakeProcessTable.h"
#include "common/FakeWindowService.h"
#include "common/PollUntil.h"
#include "common/QtPrinters.h"
#include "common/RecordingLogger.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace std::chrono_literals;

namespace {

using Extents = WindowService::FrameExtents;
using Window = FakeWindowService::Window;
constexpr qint64 kFileManager = 500;
constexpr qint64 kOther = 600;
const QString kCard = QStringLiteral("/media/me/EOS_DIGITAL");
const QString kFolder = kCard + QStringLiteral("/DCIM/101CANON");
const QString kTitle = QStringLiteral("101CANON - Thunar");

/// Starts an operation that answers later, and waits for its answer.
template <typename T, typename Start> T answerOf(Start start)
{
    auto answer = std::make_shared<std::optional<T>>();
    start([answer](T value) { *answer = std::move(value); });
    EXPECT_TRUE(pollUntil([&] { return answer->has_value(); }));
    return answer->value_or(T {});
}

/// A file manager window showing `title`.
Window shown(const QString &title = kTitle, qint64 pid = kFileManager)
{
    return Window { pid, QRect(0, 0, 640, 480), Extents {}, title };
}

class FileManagerWindowsTest : public ::testing::Test {
protected:
    FileManagerWindowsTest()
    {
        // Someone else's window has focus before each request.
        m_service.addWindow(70, Window { kOther, QRect(0, 0, 500, 400), Extents {} }, true);
    }

    std::optional<WindowService::WindowId> open(const QString &folder,
        const std::optional<Placement> &placement, std::chrono::milliseconds wait = 200ms,
        bool takesFocus = true)
    {
        const FileManagerWindows::Before before = m_windows.prepare();
        m_startupId = before.startupId(takesFocus);
        const auto now = FileManagerWindows::Clock::now();
        return adopt(m_windows, before, { folder, kFileManager, placement, takesFocus, now, now + wait });
    }

    static std::optional<WindowService::WindowId> adopt(FileManagerWindows &windows,
        const FileManagerWindows::Before &before, const FileManagerWindows::Request &request,
        FileManagerWindows::Wait wait = FileManagerWindows::Wait::Briefly)
    {
        return answerOf<std::optional<WindowService::WindowId>>(
            [&](auto done) { windows.adopt(before, request, wait, done); });
    }
    std::optional<QString> bringToFront()
    {
        return answerOf<std::optional<QString>>([&](auto done) { m_windows.bringToFront(done); });
    }

    int warnings(const QString &text) const
    {
        return m_log.lines().filter(QStringLiteral("[WARN]")).filter(text).size();
    }

    int infos(const QString &text) const { return m_log.lines().filter(text).size(); }

    FakeWindowService m_service;
    FakeProcessTable m_processes;
    RecordingLogger m_log;
    FileManagerWindows m_windows { m_service, m_processes, m_log,
        FileManagerWindows::Limits { 1ms, 100ms, 200ms, 20ms, 7s, 1ms } };
    QString m_startupId;
};

TEST_F(FileManagerWindowsTest, TheNewWindowIsFoundPlacedByItsFrameAndRemembered)
{
    const Extents extents { 2, 2, 24, 4 };
    m_service.addWindowAfterReads(
        11, Window { kFileManager, QRect(300, 300, 640, 480), extents, kTitle }, 3, true);
    const Placement frame { 100, 60, 800, 600 };

    EXPECT_EQ(open(kFolder, frame), 11u);
    EXPECT_EQ(m_service.requests(), QStringList { QStringLiteral("move 11 100,60 796x572") });
    EXPECT_EQ(m_service.window(11)->client, QRect(102, 84, 796, 572));
    EXPECT_EQ(m_windows.opened(), (QList<FileManagerWindows::Opened> { { kFolder, 11, kFileManager } }));
    EXPECT_EQ(m_log.lines().filter(QStringLiteral("placed window 0xb at {100, 60, 900, 660}")).size(), 1);
}

TEST_F(FileManagerWindowsTest, ADecorationAddedByTheFirstMoveIsAllowedFor)
{
    m_service.addWindowAfterReads(
        11, Window { kFileManager, QRect(300, 300, 640, 480), std::nullopt, kTitle }, 2, true);
    m_service.setExtentsOnMove(11, Extents { 1, 1, 20, 1 });
    EXPECT_EQ(open(kFolder, Placement { 0, 0, 400, 300 }), 11u);
    EXPECT_EQ(m_service.requests(),
        (QStringList { QStringLiteral("move 11 0,0 400x300"), QStringLiteral("move 11 0,0 398x279") }));
    EXPECT_EQ(m_service.window(11)->client, QRect(1, 20, 398, 279));
}

TEST_F(FileManagerWindowsTest, WhatCouldNotBeDoneIsLoggedOnceWithItsReason)
{
    // No window appears in time: the open still stands, the miss is told once.
    EXPECT_EQ(open(kFolder, Placement { 0, 0, 400, 300 }, 5ms), std::nullopt);
    EXPECT_EQ(open(kFolder, Placement { 0, 0, 400, 300 }, 5ms), std::nullopt);
    EXPECT_EQ(warnings(QStringLiteral("could not place the file manager's window: no window of the file "
                                      "manager showed the folder within 0.005 s")),
        1);
    EXPECT_EQ(bringToFront(), QStringLiteral("the window of the last request was not found"));

    // A window manager that ignores moves: no claim that the window was placed.
    m_service.addWindowAfterReads(
        12, Window { kFileManager, QRect(5, 5, 640, 480), Extents {}, QStringLiteral("B") }, 2, true);
    m_service.setIgnoresMoves(true);
    EXPECT_EQ(open(QStringLiteral("/media/me/B"), Placement { 0, 0, 400, 300 }), 12u);
    EXPECT_EQ(warnings(QStringLiteral(
                  "the window manager left it at {5, 5, 645, 485} instead of {0, 0, 400, 300}")),
        1);
    EXPECT_TRUE(m_log.lines().filter(QStringLiteral("placed window")).isEmpty());

    // No display at all: nothing is asked of the window manager, each thing is told once.
    m_service.setUnavailable(QStringLiteral("no X11 display (DISPLAY is not set)"));
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(open(QStringLiteral("/media/me/C"), Placement { 0, 0, 400, 300 }), std::nullopt);
        EXPECT_TRUE(m_windows.prepare().startupId(true).isEmpty());
        EXPECT_TRUE(bringToFront().has_value());
        EXPECT_TRUE(std::holds_alternative<QString>(m_windows.frontWindowFrame(kFileManager)));
    }
    for (const char *what : { "could not place the file manager's window: no X11 display",
             "could not bring the file manager's window to front: no X11 display",
             "could not read the front window's bounds: no X11 display" })
        EXPECT_EQ(warnings(QLatin1String(what)), 1) << what;
}

TEST_F(FileManagerWindowsTest, EachRequestFindsTheWindowThatShowsTheFolderNow)
{
    m_service.addWindowAfterReads(11, shown(), 2, true);
    ASSERT_EQ(open(kFolder, std::nullopt), 11u);
    // The user takes it elsewhere: the window the file manager opens next is the one.
    m_service.setTitle(11, QStringLiteral("me - Thunar"));
    m_service.setActive(70);
    m_service.addWindowAfterReads(12, shown(), 2, true);
    EXPECT_EQ(open(kFolder, std::nullopt), 12u);

    // A file manager that shows the folder again in a window it has, without raising it:
    // the newest of Mirvale's windows on the folder, then any of the file manager's.
    m_service.setTitle(11, kTitle);
    m_service.setActive(70);
    EXPECT_EQ(open(kFolder, std::nullopt), 12u);
    m_service.removeWindow(12);
    m_service.addWindow(20, shown()); // the user's own
    EXPECT_EQ(open(kFolder, std::nullopt), 11u);
    m_service.removeWindow(11);
    EXPECT_EQ(open(kFolder, std::nullopt), 20u);
    EXPECT_EQ(infos(QStringLiteral("window 0x14 shows ") + kFolder), 1);
    EXPECT_EQ(infos(QStringLiteral("a window Mirvale did not open")), 1);
    EXPECT_EQ(m_windows.opened().size(), 2); // 11 and 12, as they were noted
    EXPECT_TRUE(m_service.requests().filter(QStringLiteral("activate")).isEmpty());
}

TEST_F(FileManagerWindowsTest, TheFocusMovesOnlyWhenTheRuleAsksAndIsToldOnce)
{
    // The window takes the focus on its own: it goes back to where it was.
    m_service.addWindowAfterReads(11, shown(), 2, true);
    ASSERT_EQ(open(kFolder, std::nullopt, 200ms, false), 11u);
    EXPECT_TRUE(m_startupId.endsWith(QStringLiteral("_TIME1"))) << m_startupId.toStdString();
    EXPECT_EQ(m_service.clients()->active, 70u);
    EXPECT_EQ(infos(QStringLiteral("window 0xb took the focus; gave it back to window 0x46")), 1);

    m_service.addWindowAfterReads(12, shown(), 2, false);
    ASSERT_EQ(open(kFolder, std::nullopt), 12u);
    EXPECT_FALSE(m_startupId.endsWith(QStringLiteral("_TIME1")));
    EXPECT_EQ(bringToFront(), std::nullopt);
    EXPECT_EQ(m_service.clients()->active, 12u);
    EXPECT_EQ(infos(QStringLiteral("brought window")), 1);
}

TEST_F(FileManagerWindowsTest, TheFileManagersWindowIsKnownAcrossItsProcesses)
{
    // The bus owner 500 runs Dolphin; 501 is a child of it; 900 another Dolphin it handed the
    // window to; 600 another program.
    m_processes.add(kFileManager, 1, QStringLiteral("/usr/bin/dolphin"));
    m_processes.add(501, kFileManager, QStringLiteral("/usr/libexec/helper"));
    m_processes.add(900, 1, QStringLiteral("/usr/bin/dolphin"));
    m_processes.add(kOther, 1, QStringLiteral("/usr/bin/viewer"));
    const QString ours = QStringLiteral("ours");
    struct Row {
        const char *what;
        Window window;
        bool found;
    };
    const Row rows[] = {
        { "the owner's child", shown(kTitle, 501), true },
        { "another copy of the program", shown(kTitle, 900), true },
        { "another program", shown(kTitle, kOther), false },
        { "no process, the startup id sent", { 0, {}, {}, kTitle, ours }, true },
        { "no process, another startup id", { 0, {}, {}, kTitle, QStringLiteral("x_TIME5") }, false },
        { "no process, the program's class", { 0, {}, {}, kTitle, {}, QStringLiteral("dolphin dolphin") },
            true },
        { "the program's window on another folder", shown(QStringLiteral("me - Dolphin"), 900), false },
    };
    WindowService::WindowId id = 30;
    for (Row row : rows) {
        const FileManagerWindows::Before before = m_windows.prepare();
        if (row.window.startupId == ours)
            row.window.startupId = before.startupId(true);
        m_service.addWindowAfterReads(++id, row.window, 2, true);
        const auto now = FileManagerWindows::Clock::now();
        EXPECT_EQ(adopt(m_windows, before, { kFolder, kFileManager, {}, true, now, now + 5s }).has_value(),
            row.found)
            << row.what;
        // A window that never comes holds the open for the find limit, not the call's.
        EXPECT_LT(FileManagerWindows::Clock::now() - now, 2s) << row.what;
        m_service.removeWindow(id);
    }
    EXPECT_EQ(warnings(QStringLiteral("still looking for the file manager's window: none showed the folder "
                                      "within 0.2 s of its answer")),
        1);

    // A window that comes after the brief look is placed and raised by the late one.
    const FileManagerWindows::Before before = m_windows.prepare();
    m_service.addWindowAfterReads(40, shown(kTitle, 900), 400, false);
    const auto now = FileManagerWindows::Clock::now();
    const FileManagerWindows::Request late { kFolder, kFileManager, Placement { 0, 0, 400, 300 }, true, now,
        now + 5s };
    EXPECT_EQ(adopt(m_windows, before, late), std::nullopt);
    EXPECT_EQ(adopt(m_windows, before, late, FileManagerWindows::Wait::Late), 40u);
    EXPECT_EQ(m_service.window(40)->client, QRect(0, 0, 400, 300));
    EXPECT_EQ(m_service.clients()->active, 40u);
}

TEST_F(FileManagerWindowsTest, TheFrontWindowIsReadOnlyWhenItIsTheFileManagers)
{
    m_service.addWindow(11, Window { kFileManager, QRect(102, 84, 796, 572), Extents { 2, 2, 24, 4 } }, true);
    EXPECT_EQ(
        std::get<Placement>(m_windows.frontWindowFrame(kFileManager)), (Placement { 100, 60, 800, 600 }));
    m_service.setActive(70);
    EXPECT_EQ(std::get<QString>(m_windows.frontWindowFrame(kFileManager)),
        QStringLiteral("the front window is not the file manager's"));
    m_service.setActive(std::nullopt);
    EXPECT_EQ(
        std::get<QString>(m_windows.frontWindowFrame(kFileManager)), QStringLiteral("no window is active"));
    EXPECT_EQ(std::get<QString>(m_windows.frontWindowFrame(std::nullopt)),
        QStringLiteral("no file manager is running"));
}

TEST_F(FileManagerWindowsTest, AnUnmountedCardClosesOnlyTheWindowsMirvaleOpenedThatStillShowIt)
{
    // The card is mounted in a folder named as the user's home is ("root" for /media/root and /root).
    QTemporaryDir media;
    const QString card = media.filePath(QStringLiteral("EOS_DIGITAL")),
                  folder = card + QStringLiteral("/DCIM/101CANON");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString home = QFileInfo(media.path()).fileName() + QStringLiteral(" - Thunar");
    const QString other = QStringLiteral("/media/me/EOS_DIGITAL2/DCIM");
    m_service.addWindow(20, shown()); // the user's own, on the card
    m_service.addWindowAfterReads(11, shown(), 2, true);
    ASSERT_EQ(open(folder, std::nullopt), 11u);
    m_service.addWindowAfterReads(12, shown(QStringLiteral("EOS_DIGITAL")), 2, true);
    ASSERT_EQ(open(card, std::nullopt), 12u);
    m_service.addWindowAfterReads(13, shown(QStringLiteral("DCIM")), 2, true);
    ASSERT_EQ(open(other, std::nullopt), 13u);
    for (const WindowService::WindowId window : { 14, 15, 16 }) {
        m_service.addWindowAfterReads(window, shown(), 2, true);
        ASSERT_EQ(open(folder, std::nullopt), window);
    }
    m_service.removeWindow(12); // closed by the user meanwhile
    m_service.setTitle(14, home); // taken to the user's home
    m_service.setTitle(15, QStringLiteral("DCIM - Thunar")); // up a folder, still on the card
    m_windows.lookAtOpened();
    // The card goes and the file manager takes the window still on it to the card's parent,
    // just before Mirvale looks again.
    ASSERT_TRUE(QDir(card).removeRecursively());
    m_service.setTitle(16, home);
    m_windows.lookAtOpened();

    EXPECT_EQ(m_windows.closeWindowsOfCard(card), (QList<WindowService::WindowId> { 11, 15, 16 }));
    EXPECT_EQ(m_service.requests().filter(QStringLiteral("close")).size(), 3);
    EXPECT_TRUE(answerOf<bool>([&](auto done) { m_windows.waitUntilClosed({ 11, 15, 16 }, done); }));
    EXPECT_EQ(infos(QStringLiteral("(the file manager moved it to ") + media.path() + QLatin1Char(')')), 1);
    for (const WindowService::WindowId spared : { 13, 14, 20 })
        EXPECT_TRUE(m_service.window(spared)) << spared;
    EXPECT_EQ(
        infos(QStringLiteral("left window 0xe open: it shows \u201c") + home + QStringLiteral("\u201d")), 1);
    EXPECT_EQ(m_windows.opened(), (QList<FileManagerWindows::Opened> { { other, 13, kFileManager } }));
}

TEST_F(FileManagerWindowsTest, TheTidierClosesWindowsWhenTheirCardLeavesTheMountedList)
{
    CardWindowTidier tidier(m_windows);
    const auto card = [](const QString &path) {
        MountedCard mounted;
        mounted.url = QUrl::fromLocalFile(path);
        return mounted;
    };
    const QString second = QStringLiteral("/media/me/SECOND");
    tidier.cardsChanged({ card(kCard), card(second) });
    m_service.addWindowAfterReads(11, shown(), 2, true);
    ASSERT_EQ(open(kFolder, std::nullopt), 11u);
    m_service.addWindowAfterReads(12, shown(QStringLiteral("SECOND")), 2, true);
    ASSERT_EQ(open(second, std::nullopt), 12u);

    tidier.cardsChanged({ card(kCard), card(second) });
    EXPECT_TRUE(m_service.requests().filter(QStringLiteral("close")).isEmpty());

    tidier.cardsChanged({ card(second) });
    EXPECT_FALSE(m_service.window(11));
    EXPECT_TRUE(m_service.window(12));

    // Before an unmount the card's windows close first, then the unmount goes ahead.
    bool unmounted = false;
    tidier.closeBeforeUnmount(second, [&] { unmounted = !m_service.window(12); });
    EXPECT_TRUE(pollUntil([&] { return unmounted; }));
}

TEST_F(FileManagerWindowsTest, AFileManagerOnWaylandIsNotWaitedForAndThatIsToldOnce)
{
    m_processes.add(kFileManager, 1, QStringLiteral("/usr/bin/nautilus"));
    m_processes.setRunsWith(kFileManager, { { QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("w") } }, {});
    m_service.addWindow(11, shown()); // an X11 window of the same program, never waited for
    const int reads = m_service.clientReads();
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(open(kFolder, Placement { 0, 0, 400, 300 }, 5s), std::nullopt);
        EXPECT_TRUE(m_windows.closeWindowsOfCard(kCard).isEmpty());
    }
    EXPECT_EQ(m_service.clientReads() - reads, 2); // those of prepare() alone
    EXPECT_EQ(
        warnings(QStringLiteral("the file manager nautilus runs as a Wayland client: where its windows go")),
        1);
    EXPECT_EQ(warnings(QStringLiteral("could not close the file manager's windows on a card that goes")), 1);
    EXPECT_TRUE(bringToFront()->contains(QStringLiteral("Wayland client")));
    EXPECT_TRUE(m_service.requests().isEmpty());
}

TEST_F(FileManagerWindowsTest, AFileManagerOnWaylandIsAskedToTakeItsWindowsOffTheCardThatGoes)
{
    FakeFileManagerViews views;
    m_windows.setViews(&views);
    m_processes.add(kFileManager, 1, QStringLiteral("/usr/bin/dolphin"));
    m_processes.setRunsWith(kFileManager, { { QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("w") } }, {});
    const QString otherCard = kCard + QStringLiteral("_2"); // a name that starts like the card's
    open(kFolder, std::nullopt);
    open(kCard, std::nullopt);
    open(otherCard + QStringLiteral("/DCIM"), std::nullopt);

    // The folders on the card and the card's own; never the card's parent, where a window may
    // be the user's: that is only logged.
    EXPECT_TRUE(m_windows.closeWindowsOfCard(kCard, false).isEmpty());
    m_windows.closeWindowsOfCard(kCard); // asked once per card
    views.outcome = { 0, QStringLiteral("a tab stayed") };
    m_windows.closeWindowsOfCard(otherCard);
    const QString parent = QStringLiteral("/media/me");
    EXPECT_EQ(views.asked,
        (QList<QPair<QString, QStringList>> { { QStringLiteral("dolphin"), { kCard, kFolder } },
            { QStringLiteral("dolphin"), { otherCard, otherCard + QStringLiteral("/DCIM") } } }));
    EXPECT_EQ(infos(QStringLiteral("asked dolphin to take 1 of its windows on card ") + kCard), 1);
    EXPECT_EQ(
        warnings(QStringLiteral("a window of it on ") + parent + QStringLiteral(" may be the user's")), 1);
    EXPECT_EQ(warnings(QStringLiteral("could not close the file manager's windows on a card that goes")), 2);
    EXPECT_EQ(warnings(QStringLiteral("on a card that goes: a tab stayed")), 1);
    EXPECT_TRUE(m_service.requests().isEmpty());
}

TEST_F(FileManagerWindowsTest, LateWindowsArePlacedUntilTheirCardGoesButNeverComeForwardLate)
{
    FileManagerWindows patient { m_service, m_processes, m_log,
        { 1ms, 100ms, 200ms, 20ms, 0ms, 1ms } }; // all too late
    const QString second = QStringLiteral("/media/me/SECOND"), third = QStringLiteral("/media/me/THIRD");
    const auto now = FileManagerWindows::Clock::now();
    for (const auto &[folder, patience] :
        { std::pair(kFolder, 30s), std::pair(second, 30s), std::pair(third, 0s) })
        patient.adoptLater(patient.prepare(),
            { folder, kFileManager, Placement { 0, 0, 400, 300 }, true, now, now + patience });
    patient.closeWindowsOfCard(second); // the second card is pulled before its window shows
    m_service.addWindowAfterReads(11, shown(), 30, true);
    m_service.addWindowAfterReads(12, shown(QStringLiteral("SECOND")), 1, false);
    ASSERT_TRUE(pollUntil([&] {
        return m_service.window(11)->client == QRect(0, 0, 400, 300)
            && infos(QStringLiteral("gave up looking for the window that shows ")) == 2;
    }));
    EXPECT_EQ(m_service.requests(), QStringList { QStringLiteral("move 11 0,0 400x300") }); // not raised
    EXPECT_EQ(infos(QStringLiteral("too late to come to front")), 1);
    for (const QString &folder : { second, third })
        EXPECT_EQ(infos(QStringLiteral("gave up looking for the window that shows ") + folder), 1);

    // A file manager with no X11 window at all by its deadline is not waited for again.
    constexpr qint64 kSilent = 700;
    patient.adoptLater(patient.prepare(), { kFolder, kSilent, {}, true, now, now });
    ASSERT_TRUE(
        pollUntil([&] { return infos(QStringLiteral("gave up looking for the window that shows ")) == 3; }));
    const FileManagerWindows::Before before = patient.prepare();
    m_service.addWindowAfterReads(13, shown(kTitle, kSilent), 2, true);
    const auto then = FileManagerWindows::Clock::now();
    EXPECT_EQ(adopt(patient, before, { kFolder, kSilent, {}, true, then, then + 5s }), std::nullopt);
}

} // namespace
