#include "support/ByteCountFormatter.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(ByteCountFormatter, DecimalUnitsAsTheFileManagerShowsThem)
{
    struct Row {
        qint64 bytes;
        bool nonnumeric;
        QString expected;
    };
    const Row rows[] = {
        { 0, false, QStringLiteral("0 bytes") },
        { 0, true, QStringLiteral("Zero KB") },
        { 1, false, QStringLiteral("1 byte") },
        { 999, false, QStringLiteral("999 bytes") },
        { 1000, false, QStringLiteral("1 KB") },
        { 1499, false, QStringLiteral("1 KB") },
        { 999'600, false, QStringLiteral("1.0 MB") },
        { 31'900'000'000, false, QStringLiteral("31.9 GB") },
        { 2'000'000'000'000, false, QStringLiteral("2.0 TB") },
        { std::numeric_limits<qint64>::max(), false, QStringLiteral("9.2 EB") },
    };
    for (const Row &row : rows)
        EXPECT_EQ(ByteCountFormatter::fileStyle(row.bytes, row.nonnumeric), row.expected) << row.bytes;
}

} // namespace
