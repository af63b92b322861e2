#include "finder/FileManagerWindows.h"
#include "finder/CardWindowTidier.h"

#include "common/FakeWindowService.h"
#include "common/QtPrinters.h"
#include "common/RecordingLogger.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

using Extents = WindowService::FrameExtents;
using Window = FakeWindowService::Window;
constexpr qint64 kFileManager = 500;
constexpr qint64 kOther = 600;
const QString kCard = QStringLiteral("/media/me/EOS_DIGITAL");
const QString kFolder = kCard + QStringLiteral("/DCIM/101CANON");

class FileManagerWindowsTest : public ::testing::Test {
protected:
    FileManagerWindowsTest()
    {
        // Someone else's window has focus before each request.
        m_service.addWindow(70, Window { kOther, QRect(0, 0, 500, 400), Extents {} }, true);
    }

    std::optional<WindowService::WindowId> open(const QString &folder,
        const std::optional<Placement> &placement, std::chrono::milliseconds wait = 200ms)
    {
        if (const auto reused = m_windows.reuse(folder, kFileManager, placement))
            return reused;
        const FileManagerWindows::Before before = m_windows.prepare();
        const auto now = FileManagerWindows::Clock::now();
        return m_windows.adopt(before, folder, kFileManager, placement, now, now + wait);
    }

    int warnings(const QString &text) const
    {
        return m_log.lines().filter(QStringLiteral("[WARN]")).filter(text).size();
    }

    FakeWindowService m_service;
    RecordingLogger m_log;
    FileManagerWindows m_windows { m_service, m_log, FileManagerWindows::Limits { 1ms, 100ms } };
};

TEST_F(FileManagerWindowsTest, TheNewWindowIsFoundPlacedByItsFrameAndRemembered)
{
    const Extents extents { 2, 2, 24, 4 };
    m_service.addWindowAfterReads(11, Window { kFileManager, QRect(300, 300, 640, 480), extents }, 3, true);
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
        11, Window { kFileManager, QRect(300, 300, 640, 480), std::nullopt }, 2, true);
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
    EXPECT_EQ(
        warnings(QStringLiteral("could not place the file manager's window: its window did not appear")), 1);
    EXPECT_EQ(m_windows.bringToFront(), QStringLiteral("the window of the last request was not found"));

    // A window manager that ignores moves: no claim that the window was placed.
    m_service.addWindowAfterReads(12, Window { kFileManager, QRect(5, 5, 640, 480), Extents {} }, 2, true);
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
        EXPECT_TRUE(m_windows.prepare().startupId().isEmpty());
        EXPECT_TRUE(m_windows.bringToFront().has_value());
        EXPECT_TRUE(std::holds_alternative<QString>(m_windows.frontWindowFrame(kFileManager)));
    }
    for (const char *what : { "could not place the file manager's window: no X11 display",
             "could not bring the file manager's window to front: no X11 display",
             "could not read the front window's bounds: no X11 display" })
        EXPECT_EQ(warnings(QLatin1String(what)), 1) << what;
}

TEST_F(FileManagerWindowsTest, ASecondRequestRaisesTheSameWindowWhileItIsOpen)
{
    m_service.addWindowAfterReads(11, Window { kFileManager, QRect(0, 0, 640, 480), Extents {} }, 2, true);
    ASSERT_EQ(open(kFolder, std::nullopt), 11u);
    EXPECT_TRUE(m_windows.prepare().startupId().startsWith(QStringLiteral("_TIME1")));
    m_service.setActive(70);

    EXPECT_EQ(m_windows.reuse(kFolder, kFileManager, std::nullopt), 11u);
    EXPECT_TRUE(m_service.requests().last().startsWith(QStringLiteral("activate 11 ")));
    EXPECT_EQ(m_service.clients()->active, 11u);
    EXPECT_EQ(m_windows.bringToFront(), std::nullopt);

    // Another folder, or the file manager started afresh, is not a reuse.
    EXPECT_EQ(m_windows.reuse(kCard, kFileManager, std::nullopt), std::nullopt);
    EXPECT_EQ(m_windows.reuse(kFolder, kFileManager + 1, std::nullopt), std::nullopt);
    EXPECT_TRUE(m_windows.opened().isEmpty());

    // Once the user closed it, the next request opens a new one.
    m_service.addWindowAfterReads(12, Window { kFileManager, QRect(0, 0, 640, 480), Extents {} }, 2, true);
    ASSERT_EQ(open(kFolder, std::nullopt), 12u);
    m_service.removeWindow(12);
    EXPECT_EQ(m_windows.reuse(kFolder, kFileManager, std::nullopt), std::nullopt);
    EXPECT_TRUE(m_windows.opened().isEmpty());
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

TEST_F(FileManagerWindowsTest, AnUnmountedCardClosesOnlyTheWindowsMirvaleOpenedOnIt)
{
    const QString other = QStringLiteral("/media/me/EOS_DIGITAL2/DCIM");
    m_service.addWindow(20, Window { kFileManager, QRect(0, 0, 10, 10), Extents {} }); // the user's own
    m_service.addWindowAfterReads(11, Window { kFileManager, QRect(0, 0, 640, 480), Extents {} }, 2, true);
    ASSERT_EQ(open(kFolder, std::nullopt), 11u);
    m_service.addWindowAfterReads(12, Window { kFileManager, QRect(0, 0, 640, 480), Extents {} }, 2, true);
    ASSERT_EQ(open(kCard, std::nullopt), 12u);
    m_service.addWindowAfterReads(13, Window { kFileManager, QRect(0, 0, 640, 480), Extents {} }, 2, true);
    ASSERT_EQ(open(other, std::nullopt), 13u);
    m_service.removeWindow(12); // closed by the user meanwhile

    m_windows.closeWindowsOfCard(kCard);
    const QStringList closes = m_service.requests().filter(QStringLiteral("close"));
    ASSERT_EQ(closes.size(), 1);
    EXPECT_TRUE(closes.first().startsWith(QStringLiteral("close 11 ")));
    EXPECT_TRUE(m_service.window(20));
    EXPECT_TRUE(m_service.window(13));
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
    m_service.addWindowAfterReads(11, Window { kFileManager, QRect(0, 0, 640, 480), Extents {} }, 2, true);
    ASSERT_EQ(open(kFolder, std::nullopt), 11u);
    m_service.addWindowAfterReads(12, Window { kFileManager, QRect(0, 0, 640, 480), Extents {} }, 2, true);
    ASSERT_EQ(open(second, std::nullopt), 12u);

    tidier.cardsChanged({ card(kCard), card(second) });
    tidier.flush();
    EXPECT_TRUE(m_service.requests().filter(QStringLiteral("close")).isEmpty());

    tidier.cardsChanged({ card(second) });
    tidier.flush();
    EXPECT_FALSE(m_service.window(11));
    EXPECT_TRUE(m_service.window(12));
}

} // namespace
