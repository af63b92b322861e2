#include "support/DurationText.h"

#include <gtest/gtest.h>

namespace {

TEST(DurationText, SecondsWithoutTrailingZeros)
{
    using namespace std::chrono_literals;
    struct Row {
        std::chrono::milliseconds duration;
        const char *text;
    };
    const Row rows[] = {
        { 45s, "45s" },
        { 120s, "120s" },
        { 0ms, "0s" },
        { 50ms, "0.05s" },
        { 1500ms, "1.5s" },
        { 7ms, "0.007s" },
        { 30'250ms, "30.25s" },
    };
    for (const Row &row : rows)
        EXPECT_EQ(DurationText::seconds(row.duration), QString::fromUtf8(row.text)) << row.text;
}

} // namespace
