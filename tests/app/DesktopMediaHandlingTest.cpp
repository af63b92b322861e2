#include "app/DesktopMediaHandling.h"

#include "common/FakeCommandRunner.h"
#include "common/MemoryStateStore.h"
#include "common/RecordingLogger.h"
#include "platform/linux/ProcessCommandRunner.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using State = DesktopMediaHandling::State;
const DesktopMediaHandling::Runner kNow = [](std::function<void()> work) { work(); };

struct Harness {
    MemoryStateStore state;
    RecordingLogger log;
    DesktopMediaHandling::Outcome last;

    void run(DesktopMediaHandling &handling,
        void (DesktopMediaHandling::*step)(std::function<void(DesktopMediaHandling::Outcome)>))
    {
        (handling.*step)([this](DesktopMediaHandling::Outcome outcome) { last = outcome; });
    }
};

CommandRunner::Result printed(const QString &text)
{
    CommandRunner::Result result = FakeCommandRunner::exited(0);
    result.standardOutput = text + QLatin1Char('\n');
    return result;
}

} // namespace

TEST(DesktopMediaHandling, ReadsEachDesktopChangesCameraCardsOnlyAndRestoresExactly)
{
    const QString gnome = QStringLiteral("org.gnome.desktop.media-handling");
    const struct {
        QString desktop, open, ignore, startApp, openFolder;
        State state;
        QStringList sets; // letMirvaleOpen's writes, as "KEY VALUE"
    } rows[] = {
        { QStringLiteral("ubuntu:GNOME"), QStringLiteral("true"), QStringLiteral("@as []"),
            QStringLiteral("['x-content/unix-software']"), QStringLiteral("@as []"), State::DesktopOpens,
            { QStringLiteral("autorun-x-content-ignore ['x-content/image-dcf']") } },
        { QStringLiteral("MATE"), QStringLiteral("true"), QStringLiteral("['x-content/audio-cdda']"),
            QStringLiteral("['x-content/image-dcf', 'x-content/software']"),
            QStringLiteral("['x-content/image-dcf']"), State::DesktopOpens,
            { QStringLiteral("autorun-x-content-ignore ['x-content/audio-cdda', 'x-content/image-dcf']"),
                QStringLiteral("autorun-x-content-start-app ['x-content/software']"),
                QStringLiteral("autorun-x-content-open-folder @as []") } },
        { QStringLiteral("X-Cinnamon"), QStringLiteral("false"), QStringLiteral("@as []"),
            QStringLiteral("@as []"), QStringLiteral("@as []"), State::Quiet, {} },
        { QStringLiteral("GNOME"), QStringLiteral("true"), QStringLiteral("['x-content/image-dcf']"),
            QStringLiteral("@as []"), QStringLiteral("@as []"), State::Quiet, {} },
        { QStringLiteral("i3"), QString(), QString(), QString(), QString(), State::Unreadable, {} },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.desktop.toStdString());
        FakeCommandRunner commands;
        Harness harness;
        const QString schema = DesktopMediaHandling::schemaFor(row.desktop);
        const QString get = QStringLiteral("gsettings get ") + schema + QLatin1Char(' ');
        commands.scriptLine(get + QStringLiteral("automount-open"), printed(row.open));
        commands.scriptLine(get + QStringLiteral("autorun-x-content-ignore"), printed(row.ignore));
        commands.scriptLine(get + QStringLiteral("autorun-x-content-start-app"), printed(row.startApp));
        commands.scriptLine(get + QStringLiteral("autorun-x-content-open-folder"), printed(row.openFolder));
        DesktopMediaHandling handling({ &commands, &harness.state, &harness.log, kNow, kNow }, schema);
        harness.run(handling, &DesktopMediaHandling::read);
        EXPECT_EQ(harness.last.state, row.state);
        if (row.state != State::DesktopOpens)
            continue;

        // A refused write sets nothing, stores nothing, and is logged and told.
        const QString set = QStringLiteral("gsettings set ") + schema + QLatin1Char(' ');
        commands.scriptLine(set + row.sets.last(), FakeCommandRunner::exited(1));
        harness.run(handling, &DesktopMediaHandling::letMirvaleOpen);
        EXPECT_EQ(harness.last.state, State::DesktopOpens);
        EXPECT_FALSE(harness.last.problem.isEmpty());
        EXPECT_EQ(harness.state.writes(), 0);
        EXPECT_TRUE(
            commands.commandLines().last().startsWith(set + QStringLiteral("autorun-x-content-ignore")))
            << "what was set before the failure is set back";

        commands.scriptLine(set + row.sets.last(), FakeCommandRunner::exited(0));
        const int before = commands.calls().size();
        harness.run(handling, &DesktopMediaHandling::letMirvaleOpen);
        EXPECT_EQ(harness.last.state, State::MirvaleOpens);
        QStringList sets = commands.commandLines().mid(before + 4);
        EXPECT_EQ(sets.size(), row.sets.size());
        for (const QString &line : row.sets)
            EXPECT_TRUE(sets.contains(set + line)) << line.toStdString();
        EXPECT_EQ(harness.log.count(QStringLiteral("[INFO] Camera cards: Mirvale opens them: set ") + schema
                      + QStringLiteral(" autorun-x-content-ignore from ") + row.ignore + QLatin1Char(' ')
                      + row.sets.first().section(QLatin1Char(' '), 1).prepend(QStringLiteral("to "))),
            1);

        const int restoreFrom = commands.calls().size();
        harness.run(handling, &DesktopMediaHandling::letDesktopOpen);
        sets = commands.commandLines().mid(restoreFrom + 4, row.sets.size());
        EXPECT_TRUE(sets.contains(set + QStringLiteral("autorun-x-content-ignore ") + row.ignore));
        EXPECT_EQ(sets.contains(set + QStringLiteral("autorun-x-content-start-app ") + row.startApp),
            row.sets.size() == 3);
        EXPECT_TRUE(harness.last.problem.isEmpty());
    }
    EXPECT_EQ(DesktopMediaHandling::schemaFor(QStringLiteral("GNOME")), gnome);
}

TEST(DesktopMediaHandling, RoundTripsTheRealSettingThroughGsettings)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    qputenv("GSETTINGS_BACKEND", "keyfile");
    ProcessCommandRunner commands;
    Harness harness;
    const QString schema = QStringLiteral("org.mate.media-handling");
    const QString startApp = QStringLiteral("['x-content/image-dcf', 'x-content/software']");
    commands.run(QStringLiteral("gsettings"),
        { QStringLiteral("set"), schema, QStringLiteral("autorun-x-content-start-app"), startApp }, {});
    DesktopMediaHandling handling({ &commands, &harness.state, &harness.log, kNow, kNow }, schema);
    const std::pair<void (DesktopMediaHandling::*)(std::function<void(DesktopMediaHandling::Outcome)>), State>
        steps[] = { { &DesktopMediaHandling::read, State::DesktopOpens },
            { &DesktopMediaHandling::letMirvaleOpen, State::MirvaleOpens },
            { &DesktopMediaHandling::read, State::MirvaleOpens },
            { &DesktopMediaHandling::letDesktopOpen, State::DesktopOpens } };
    for (const auto &[step, state] : steps) {
        harness.run(handling, step);
        EXPECT_EQ(harness.last.state, state);
        EXPECT_TRUE(harness.last.problem.isEmpty()) << harness.last.problem.toStdString();
    }
    QFile keyfile(home.path() + QStringLiteral("/glib-2.0/settings/keyfile"));
    ASSERT_TRUE(keyfile.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(keyfile.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("autorun-x-content-start-app=") + startApp))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("autorun-x-content-ignore=[]"))) << text.toStdString();
}
