#include "app/DesktopMediaHandling.h"

#include "common/FakeCommandRunner.h"
#include "common/MemoryStateStore.h"
#include "common/RecordingLogger.h"
#include "platform/linux/ProcessCommandRunner.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using State = DesktopMediaHandling::State;
const DesktopMediaHandling::Runner kNow = [](std::function<void()> work) { work(); };
using Step = void (DesktopMediaHandling::*)(std::function<void(DesktopMediaHandling::Outcome)>);

struct Harness {
    MemoryStateStore state;
    RecordingLogger log;
    DesktopMediaHandling::Outcome last;
    void run(DesktopMediaHandling &handling, Step step)
    {
        (handling.*step)([this](auto outcome) { last = outcome; });
    }
};

} // namespace

TEST(DesktopMediaHandling, ReadsEachDesktopChangesCameraCardsOnlyAndRestoresExactly)
{
    const struct {
        QString desktop, never, ignore, startApp, openFolder;
        State state;
        QStringList sets; // letMirvaleOpen's writes, as "KEY VALUE"
    } rows[] = {
        { u"MATE"_s, u"false"_s, u"['x-content/audio-cdda']"_s,
            u"['x-content/image-dcf', 'x-content/software']"_s, u"['x-content/image-dcf']"_s,
            State::DesktopOpens,
            { u"autorun-x-content-ignore ['x-content/audio-cdda', 'x-content/image-dcf']"_s,
                u"autorun-x-content-start-app ['x-content/software']"_s,
                u"autorun-x-content-open-folder @as []"_s } },
        { u"X-Cinnamon"_s, u"true"_s, u"@as []"_s, u"@as []"_s, u"@as []"_s, State::Quiet, {} },
        { u"ubuntu:GNOME"_s, u"false"_s, u"['x-content/image-dcf']"_s, u"@as []"_s, u"@as []"_s, State::Quiet,
            {} },
        { u"i3"_s, {}, {}, {}, {}, State::Unreadable, {} },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.desktop.toStdString());
        FakeCommandRunner commands;
        Harness harness;
        const QString schema = DesktopMediaHandling::schemaFor(row.desktop);
        for (const auto &[key, value] :
            { std::pair(u"autorun-never"_s, row.never), { u"autorun-x-content-ignore"_s, row.ignore },
                { u"autorun-x-content-start-app"_s, row.startApp },
                { u"autorun-x-content-open-folder"_s, row.openFolder } })
            commands.scriptLine(
                u"gsettings get "_s + schema + u' ' + key, FakeCommandRunner::exited(0, value));
        // Camera cards have a content type: automount-open (media without one) does not count.
        commands.scriptLine(u"gsettings get "_s + schema + u" automount-open"_s,
            FakeCommandRunner::exited(0, row.never == u"true"_s ? u"true"_s : u"false"_s));
        DesktopMediaHandling handling({ &commands, &harness.state, &harness.log, kNow, kNow }, schema);
        harness.run(handling, &DesktopMediaHandling::read);
        EXPECT_EQ(harness.last.state, row.state);
        if (row.state != State::DesktopOpens)
            continue;
        // A refused write stores nothing, is told, and what was set before it is set back.
        const QString set = u"gsettings set "_s + schema + u' ';
        commands.scriptLine(set + row.sets.last(), FakeCommandRunner::exited(1));
        harness.run(handling, &DesktopMediaHandling::letMirvaleOpen);
        EXPECT_TRUE(harness.last.state == State::DesktopOpens && !harness.last.problem.isEmpty()
            && harness.state.writes() == 0);
        EXPECT_EQ(commands.commandLines().last(), set + u"autorun-x-content-ignore "_s + row.ignore);
        commands.scriptLine(set + row.sets.last(), FakeCommandRunner::exited(0));
        const int before = commands.calls().size();
        harness.run(handling, &DesktopMediaHandling::letMirvaleOpen);
        EXPECT_EQ(harness.last.state, State::MirvaleOpens);
        EXPECT_EQ(commands.commandLines().mid(before + 4).join(u'\n'), set + row.sets.join(u"\n"_s + set));
    }
}

TEST(DesktopMediaHandling, RoundTripsTheRealSettingThroughGsettings)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    qputenv("GSETTINGS_BACKEND", "keyfile");
    ProcessCommandRunner commands;
    Harness harness;
    const QString schema = u"org.mate.media-handling"_s,
                  startApp = u"['x-content/image-dcf', 'x-content/software']"_s;
    const auto gsettings = [&](const QStringList &arguments) {
        return commands.run(u"gsettings"_s, arguments, {}).standardOutput.trimmed();
    };
    gsettings({ u"set"_s, schema, u"autorun-x-content-start-app"_s, startApp });
    DesktopMediaHandling handling({ &commands, &harness.state, &harness.log, kNow, kNow }, schema);
    for (const auto &[step, state] :
        { std::pair<Step, State>(&DesktopMediaHandling::read, State::DesktopOpens),
            { &DesktopMediaHandling::letMirvaleOpen, State::MirvaleOpens },
            { &DesktopMediaHandling::read, State::MirvaleOpens },
            { &DesktopMediaHandling::letDesktopOpen, State::DesktopOpens } }) {
        harness.run(handling, step);
        EXPECT_TRUE(harness.last.state == state && harness.last.problem.isEmpty())
            << harness.last.problem.toStdString();
    }
    EXPECT_EQ(gsettings({ u"get"_s, schema, u"autorun-x-content-start-app"_s }), startApp);
    EXPECT_EQ(gsettings({ u"get"_s, schema, u"autorun-x-content-ignore"_s }), u"@as []"_s);
    EXPECT_TRUE(harness.log.contains(u"[INFO] Camera cards: Mirvale opens them: set "_s + schema
        + u" autorun-x-content-ignore from @as [] to ['x-content/image-dcf']"_s));
    // The way back sets only what differs: the open-folder list was left as it was.
    EXPECT_FALSE(harness.log.contains(u"[INFO] Camera cards: the desktop opens them: set "_s + schema
        + u" autorun-x-content-open-folder from @as [] to @as []"_s));
}

TEST(DesktopMediaHandling, ReadsThunarVolmanAndNeverWritesIt)
{
    CommandRunner::Result missing = FakeCommandRunner::exited(1);
    missing.standardError = u"Property does not exist on channel"_s;
    const CommandRunner::Result on = FakeCommandRunner::exited(0, u"true\n"_s),
                                off = FakeCommandRunner::exited(0, u"false\n"_s);
    const QString query = u"xfconf-query -c thunar-volman -p /"_s;
    const struct {
        const char *what;
        CommandRunner::Result managed, browse, photo, command;
        State state;
    } rows[] = {
        { "thunar-volman's defaults", missing, missing, missing, missing, State::Quiet },
        { "browses every medium", missing, on, missing, missing, State::DesktopOpens },
        { "imports photos", on, off, on, FakeCommandRunner::exited(0, u"shotwell --show-import"_s),
            State::DesktopOpens },
        { "imports with no command", on, off, on, missing, State::Quiet },
        { "volume management off", off, on, on, on, State::Quiet },
        { "no xfconf", FakeCommandRunner::notStarted(u"not found"_s), missing, missing, missing,
            State::Unreadable },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        FakeCommandRunner commands;
        Harness harness;
        commands.scriptLine(u"xfconf-query -c thunar -p /misc-volume-management"_s, row.managed);
        commands.scriptLine(query + u"autobrowse/enabled"_s, row.browse);
        commands.scriptLine(query + u"autophoto/enabled"_s, row.photo);
        commands.scriptLine(query + u"autophoto/command"_s, row.command);
        const QString channel = DesktopMediaHandling::schemaFor(u"XFCE"_s);
        DesktopMediaHandling handling({ &commands, &harness.state, &harness.log, kNow, kNow }, channel);
        harness.run(handling, &DesktopMediaHandling::read);
        EXPECT_TRUE(harness.last.state == row.state && !harness.last.cameraCardsOnly);
        harness.run(handling, &DesktopMediaHandling::letMirvaleOpen);
        EXPECT_FALSE(harness.last.problem.isEmpty());
        EXPECT_TRUE(commands.commandLines().filter(u" set"_s).isEmpty() && harness.state.writes() == 0);
    }
}
