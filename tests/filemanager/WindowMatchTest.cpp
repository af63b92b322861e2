#include "filemanager/WindowMatch.h"
#include "filemanager/ClientWindowSystem.h"
#include "filemanager/WindowFrames.h"

#include "common/QtPrinters.h"

#include <gtest/gtest.h>

#include <QHash>

namespace {

using Clients = WindowService::Clients;
using Extents = WindowService::FrameExtents;
constexpr qint64 kFileManager = 500;
constexpr qint64 kOther = 600;

TEST(WindowMatch, PicksTheFileManagersNewOrNewlyActiveWindow)
{
    // Windows 1-3 belong to the file manager, 7-8 to another program, 9 has no process.
    const QHash<WindowService::WindowId, qint64> owners { { 1, kFileManager }, { 2, kFileManager },
        { 3, kFileManager }, { 7, kOther }, { 8, kOther } };
    struct Row {
        const char *what;
        Clients before;
        Clients after;
        std::optional<WindowService::WindowId> expected;
    };
    const Row rows[] = {
        { "a new window that took focus", { { 7 }, 7 }, { { 7, 1 }, 1 }, 1 },
        { "a new window kept in the background", { { 7 }, 7 }, { { 7, 1 }, 7 }, 1 },
        { "an existing window raised for the request", { { 1, 7 }, 7 }, { { 1, 7 }, 1 }, 1 },
        { "of several new windows the active one", { { 7 }, 7 }, { { 7, 1, 2 }, 1 }, 1 },
        { "of several new background windows the newest", { { 7 }, 7 }, { { 7, 1, 2 }, 7 }, 2 },
        { "nothing changed", { { 1, 7 }, 1 }, { { 1, 7 }, 1 }, std::nullopt },
        { "only another program's window is new", { { 1 }, 1 }, { { 1, 8 }, 8 }, std::nullopt },
        { "a new window without a process", { { 1 }, 1 }, { { 1, 9 }, 9 }, std::nullopt },
        { "the file manager's window is new but another one took focus", { { 7 }, 7 }, { { 7, 8, 3 }, 8 },
            3 },
        { "an active window that is no longer listed", { { 7 }, 7 }, { { 7 }, 2 }, std::nullopt },
        { "first window on an empty desktop", { {}, std::nullopt }, { { 2 }, std::nullopt }, 2 },
    };
    for (const Row &row : rows) {
        QList<WindowService::WindowId> asked;
        const auto processOf = [&](WindowService::WindowId window) -> std::optional<qint64> {
            asked.append(window);
            const auto it = owners.constFind(window);
            return it == owners.cend() ? std::nullopt : std::optional<qint64>(*it);
        };
        EXPECT_EQ(WindowMatch::pick(row.before, row.after, kFileManager, processOf), row.expected)
            << row.what;
        for (WindowService::WindowId window : asked)
            EXPECT_TRUE(!row.before.windows.contains(window) || row.after.active == window)
                << row.what << ": asked about an old background window " << window;
    }
}

TEST(WindowFrames, FramesAndRequestsConvertThroughTheDecoration)
{
    struct Row {
        Placement frame;
        Extents extents;
        WindowFrames::Request request;
    };
    const Row rows[] = {
        { { 100, 50, 800, 600 }, {}, { { 100, 50 }, { 800, 600 } } },
        { { 100, 50, 800, 600 }, { 1, 1, 22, 3 }, { { 100, 50 }, { 798, 575 } } },
        { { -40, 10, 300, 200 }, { 4, 6, 30, 2 }, { { -40, 10 }, { 290, 168 } } },
        // A frame smaller than its decoration still asks for a window of one pixel.
        { { 0, 0, 10, 10 }, { 8, 8, 30, 4 }, { { 0, 0 }, { 1, 1 } } },
        // A client-side shadow outside the visible frame: the window starts before the frame.
        { { 100, 50, 800, 600 }, { -20, -20, -15, -25 }, { { 80, 35 }, { 840, 640 } } },
    };
    for (const Row &row : rows) {
        const WindowFrames::Request request = WindowFrames::requestFor(row.frame, row.extents);
        EXPECT_EQ(request, row.request) << WindowFrames::boundsText(row.frame).toStdString();
        if (request.clientSize.width() > 1) {
            // The window manager puts the window inside its decoration: the frame comes back.
            const QRect client(
                request.frameTopLeft + QPoint(std::max(0, row.extents.left), std::max(0, row.extents.top)),
                request.clientSize);
            EXPECT_EQ(WindowFrames::frameOf(client, row.extents), row.frame);
        }
    }
    EXPECT_EQ(WindowFrames::boundsText({ 100, 50, 800, 600 }), QStringLiteral("{100, 50, 900, 650}"));
}

TEST(WindowFrames, ClosenessLooksAtEveryEdge)
{
    const Placement wanted { 100, 100, 400, 300 };
    EXPECT_TRUE(WindowFrames::isClose(wanted, wanted, 0));
    EXPECT_TRUE(WindowFrames::isClose({ 102, 99, 398, 303 }, wanted, 3));
    EXPECT_FALSE(WindowFrames::isClose({ 100, 100, 400, 304 }, wanted, 3));
    EXPECT_FALSE(WindowFrames::isClose({ 96, 100, 400, 300 }, wanted, 3));
}

TEST(ClientWindowSystem, ToldFromTheEnvironmentAsEachToolkitReadsIt)
{
    using Kind = ClientWindowSystem::Kind;
    const QStringList gtk { QStringLiteral("libgtk-4.so.1") }, qt { QStringLiteral("libQt5Gui.so.5") };
    // Each with WAYLAND_DISPLAY=w DISPLAY=:0 before it, unless it starts with "-".
    const std::tuple<const char *, QStringList, Kind> rows[] = {
        { "", gtk, Kind::Wayland },
        { "GDK_BACKEND=x11,wayland", gtk, Kind::X11 },
        { "XDG_SESSION_TYPE=wayland", qt, Kind::Wayland },
        { "XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME", qt, Kind::X11 },
        { "XDG_SESSION_TYPE=wayland QT_QPA_PLATFORM=xcb", qt, Kind::X11 },
        { "- WAYLAND_DISPLAY=w", qt, Kind::Wayland },
        { "GDK_BACKEND=x11", {}, Kind::X11 },
        { "", {}, Kind::Wayland },
        { "- HOME=/root", {}, Kind::Unknown },
    };
    for (const auto &[variables, libraries, expected] : rows) {
        QHash<QString, QString> environment;
        if (variables[0] != '-')
            environment = { { QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("w") },
                { QStringLiteral("DISPLAY"), QStringLiteral(":0") } };
        for (const QString &entry :
            QString::fromLatin1(variables).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            environment.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
        environment.remove(QStringLiteral("-"));
        EXPECT_EQ(ClientWindowSystem::of(environment, libraries), expected) << variables << libraries.size();
    }
}

} // namespace
