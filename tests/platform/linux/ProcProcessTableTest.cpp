#include "platform/linux/ProcProcessTable.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

TEST(ProcProcessTable, ReadsTheEnvironmentAndLibrariesOfAProcess)
{
    ProcProcessTable table;
    const qint64 self = QCoreApplication::applicationPid();
    EXPECT_EQ(table.environment(self).value_or(QHash<QString, QString> {}).value(QStringLiteral("PATH")),
        qEnvironmentVariable("PATH"));
    EXPECT_EQ(table.libraries(self).filter(QStringLiteral("libQt6Core.so")).size(), 1);
    EXPECT_EQ(table.environment(0), std::nullopt);
    EXPECT_TRUE(table.libraries(-1).isEmpty());
}
