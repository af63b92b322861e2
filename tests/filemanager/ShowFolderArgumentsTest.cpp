#include "filemanager/ShowFolderArguments.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(ShowFolderArguments, StandardizedPath)
{
    const std::pair<const char *, const char *> rows[] = {
        { "/media/u/CARD/", "/media/u/CARD" },
        { "/", "/" },
        { "/media/u/./DCIM/../CARD", "/media/u/CARD" },
        { "/media/u//My \"Card\"\n", "/media/u/My \"Card\"\n" },
    };
    for (const auto &[folder, path] : rows)
        EXPECT_EQ(ShowFolderArguments::standardizedPath(QUrl::fromLocalFile(QString::fromUtf8(folder))),
            QString::fromUtf8(path))
            << folder;
}

TEST(ShowFolderArguments, Clamp)
{
    const ScreenSnapshot one { { QRectF(0, 25, 1440, 875) }, QRectF(0, 25, 1440, 875) };
    const ScreenSnapshot two { { QRectF(0, 0, 1920, 1080), QRectF(1920, -200, 1280, 1024) },
        QRectF(0, 0, 1920, 1080) };
    struct Row {
        const char *name;
        Placement in;
        ScreenSnapshot screens;
        Placement out;
    };
    const Row rows[] = {
        { "no screens: unchanged", { 10, 10, 300, 400 }, {}, { 10, 10, 300, 400 } },
        { "no screens: into the valid ranges", { -30000, 10, 150, 1LL << 62 }, {},
            { -20000, 10, 200, 20000 } },
        { "huge values first into the valid ranges",
            { std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::min(),
                std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::max() },
            one, { 20, 45, 1400, 835 } },
        { "huge size on screen held at the limit", { 100, 100, 1LL << 62, 300 }, one,
            { 100, 100, 20000, 300 } },
        { "small widened", { 10, 30, 150, 100 }, one, { 10, 30, 200, 200 } },
        { "on screen kept", { 100, 100, 800, 600 }, one, { 100, 100, 800, 600 } },
        { "partly off kept", { -700, 800, 800, 600 }, one, { -700, 800, 800, 600 } },
        { "on the second screen", { 2000, -150, 500, 400 }, two, { 2000, -150, 500, 400 } },
        { "far off moved and limited", { -5000, -5000, 2000, 1000 }, one, { 20, 45, 1400, 835 } },
        { "touching an edge is off", { 1440, 100, 300, 300 }, one, { 20, 45, 300, 300 } },
        { "tiny main screen", { -5000, 0, 300, 300 },
            { { QRectF(0.9, 0.9, 30.5, 30.5) }, QRectF(0.9, 0.9, 30.5, 30.5) }, { 20, 20, 1, 1 } },
    };
    for (const Row &row : rows)
        EXPECT_EQ(ShowFolderArguments::clamp(row.in, row.screens), row.out) << row.name;
}

} // namespace
