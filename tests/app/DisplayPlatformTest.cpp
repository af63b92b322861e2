#include "app/DisplayPlatform.h"

#include <QMap>

#include <gtest/gtest.h>

namespace {

TEST(DisplayPlatform, GoesThroughXWaylandWhenItCanAndNeverAbortsWhenNobodyChose)
{
    const struct {
        const char *what;
        QMap<QByteArray, QByteArray> environment;
        QStringList arguments;
        QByteArray expected;
    } cases[] = {
        { "wayland with xwayland", { { "WAYLAND_DISPLAY", "wayland-0" }, { "DISPLAY", ":0" } }, {},
            "xcb;wayland;offscreen" },
        { "x11 session", { { "DISPLAY", ":0" } }, {}, "xcb;offscreen" },
        { "wayland without xwayland", { { "WAYLAND_DISPLAY", "wayland-0" } }, {}, "wayland;offscreen" },
        { "blank display", { { "WAYLAND_DISPLAY", "wayland-0" }, { "DISPLAY", " " } }, {},
            "wayland;offscreen" },
        { "user chose wayland",
            { { "WAYLAND_DISPLAY", "wayland-0" }, { "DISPLAY", ":0" }, { "QT_QPA_PLATFORM", "wayland" } }, {},
            "" },
        { "user chose on the command line", { { "WAYLAND_DISPLAY", "wayland-0" }, { "DISPLAY", ":0" } },
            { QStringLiteral("mirvale"), QStringLiteral("-platform"), QStringLiteral("wayland") }, "" },
        { "command line, joined form", { { "WAYLAND_DISPLAY", "wayland-0" }, { "DISPLAY", ":0" } },
            { QStringLiteral("mirvale"), QStringLiteral("--platform=wayland") }, "" },
        { "other arguments", { { "WAYLAND_DISPLAY", "wayland-0" }, { "DISPLAY", ":1" } },
            { QStringLiteral("mirvale") }, "xcb;wayland;offscreen" },
        { "nothing", {}, {}, "offscreen" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const auto environment = [&c](const char *name) { return c.environment.value(QByteArray(name)); };
        EXPECT_EQ(DisplayPlatform::platformOverride(environment, c.arguments), c.expected);
    }
}

} // namespace
