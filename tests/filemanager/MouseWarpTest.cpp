#include "filemanager/MouseWarp.h"

#include "common/FakePointer.h"
#include "common/RecordingLogger.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(MouseWarp, WarpSendsThePointUnchangedAndLogsIt)
{
    FakePointer pointer;
    RecordingLogger log;
    MouseWarp::warp({ 100, 200 }, pointer, log);
    MouseWarp::warp({ -20000, 20000 }, pointer, log);
    EXPECT_EQ(pointer.moves(), (QList<QPointF> { QPointF(100, 200), QPointF(-20000, 20000) }));
    EXPECT_EQ(log.lines(),
        (QStringList { QStringLiteral("[INFO] MouseWarp.warp(to: 100, 200)"),
            QStringLiteral("[INFO] MouseWarp.warp(to: -20000, 20000)") }));
}

TEST(MouseWarp, APointNeverValidatedIsHeldWithinTheValidRanges)
{
    FakePointer pointer;
    RecordingLogger log;
    MouseWarp::warp({ std::numeric_limits<qint64>::max(), -30000 }, pointer, log);
    EXPECT_EQ(pointer.moves(), (QList<QPointF> { QPointF(20000, -20000) }));
    EXPECT_EQ(log.lines(), (QStringList { QStringLiteral("[INFO] MouseWarp.warp(to: 20000, -20000)") }));
}

TEST(MouseWarp, CurrentPositionRoundsHalvesAwayFromZero)
{
    struct Row {
        QPointF at;
        MousePoint expected;
    };
    const Row rows[] = {
        { QPointF(10.5, 799.6), { 11, 800 } },
        { QPointF(-10.5, -0.5), { -11, -1 } },
        { QPointF(3.49, 2.5), { 3, 3 } },
        // Beyond any screen, and beyond what a 64-bit integer holds: no undefined conversion.
        { QPointF(1e300, -1e300), { 1LL << 53, -(1LL << 53) } },
        { QPointF(std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()),
            { 0, 1LL << 53 } },
    };
    FakePointer pointer;
    for (const Row &row : rows) {
        pointer.setPosition(row.at);
        EXPECT_EQ(MouseWarp::currentPosition(pointer), row.expected);
    }
}

} // namespace
