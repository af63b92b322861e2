#include "app/SnapshotOptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList args(std::initializer_list<const char *> list)
{
    QStringList arguments { QStringLiteral("/usr/bin/mirvale") };
    for (const char *argument : list)
        arguments.append(QString::fromUtf8(argument));
    return arguments;
}

TEST(SnapshotOptions, ReadsTheCommandLine)
{
    const struct {
        QStringList arguments;
        std::optional<QString> output;
        bool light;
    } cases[] = {
        { args({}), std::nullopt, false },
        { args({ "--snapshot-settings", "/tmp/out.png" }), QStringLiteral("/tmp/out.png"), false },
        { args({ "light", "--snapshot-settings", "/tmp/out.png" }), QStringLiteral("/tmp/out.png"), true },
        { args({ "--snapshot-settings", "/tmp/out.png", "light" }), QStringLiteral("/tmp/out.png"), true },
        // The first occurrence decides; a path may itself look like an option.
        { args({ "--snapshot-settings", "a.png", "--snapshot-settings", "b.png" }), QStringLiteral("a.png"),
            false },
        { args({ "--snapshot-settings", "light" }), QStringLiteral("light"), true },
        // As the last argument, there is no snapshot: the application starts normally.
        { args({ "light", "--snapshot-settings" }), std::nullopt, true },
        { args({ "--snapshot-settings=/tmp/x.png", "lighter" }), std::nullopt, false },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        EXPECT_EQ(SnapshotOptions::outputPath(c.arguments), c.output);
        EXPECT_EQ(SnapshotOptions::wantsLight(c.arguments), c.light);
    }
}

TEST(SnapshotOptions, RulesFileExistsOnlyWhenThereIsOne)
{
    QTemporaryDir temp;
    const QString folder = temp.path() + QStringLiteral("/Mirvale");
    EXPECT_FALSE(SnapshotOptions::rulesFileExists(folder));
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_FALSE(SnapshotOptions::rulesFileExists(folder));
    QFile rules(folder + QStringLiteral("/rules.json"));
    ASSERT_TRUE(rules.open(QIODevice::WriteOnly));
    rules.close();
    EXPECT_TRUE(SnapshotOptions::rulesFileExists(folder));
    EXPECT_EQ(SnapshotOptions::noRulesFileLine(),
        QStringLiteral(
            "Snapshot mode: no rules.json here, rendering an empty rule table (no rules or settings "
            "written)."));
}

} // namespace
