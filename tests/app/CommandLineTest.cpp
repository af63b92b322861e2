#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, AnswersOrStartsAsALinuxProgramShould)
{
    using Action = CommandLine::Action;
    const struct {
        QStringList arguments;
        Action action;
        const char *option;
    } rows[] = {
        { {}, Action::Start, "" },
        { { QStringLiteral("--help") }, Action::Help, "" },
        { { QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-h") }, Action::Help,
            "" },
        { { QStringLiteral("--version") }, Action::Version, "" },
        { { QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("-style=fusion"),
              QStringLiteral("--display"), QStringLiteral(":1"), QStringLiteral("-session"),
              QStringLiteral("1a2b"), QStringLiteral("-reverse") },
            Action::Start, "" },
        { { QStringLiteral("--snapshot-settings"), QStringLiteral("/tmp/--x.png"), QStringLiteral("light") },
            Action::Start, "" },
        { { QStringLiteral("light"), QStringLiteral("--snapshot-settings"), QStringLiteral("x.png") },
            Action::Start, "" },
        { { QStringLiteral("light") }, Action::UnknownOption, "light" },
        { { QStringLiteral("--bogus") }, Action::UnknownOption, "--bogus" },
        { { QStringLiteral("-reverse=1") }, Action::UnknownOption, "-reverse=1" },
        { { QStringLiteral("stray") }, Action::UnknownOption, "stray" },
    };
    for (const auto &row : rows) {
        const CommandLine::Outcome outcome
            = CommandLine::read(QStringList { QStringLiteral("mirvale") } + row.arguments);
        EXPECT_EQ(outcome.action, row.action) << row.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(outcome.option, QLatin1String(row.option));
    }
    EXPECT_TRUE(CommandLine::version().startsWith(QStringLiteral("mirvale ")));
    const QString usage
        = CommandLine::usage(QStringLiteral("/h/.config/Mirvale"), QStringLiteral("/h/m.log"));
    EXPECT_TRUE(usage.contains(QStringLiteral("Rules and settings: /h/.config/Mirvale\nLog: /h/m.log\n")));
}

} // namespace
