#include "app/DesktopNotifier.h"

#include "common/FakeDesktopNotifications.h"
#include "common/FakeNotifier.h"
#include "common/FakeRulesProvider.h"
#include "common/RecordingLogger.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Harness {
    FakeRulesProvider rules;
    RecordingLogger log;
    FakeNotifier panels;
    FakeDesktopNotifications server;
    QList<QUrl> shown, ejected;
    DesktopNotifier notifier { { &rules, &log, &panels, &server,
        [this](const QUrl &f) { shown.append(f); } } };
    MountedCard card { QUrl::fromLocalFile(u"/media/u/A<B"_s), u"A<B"_s, true, true, std::nullopt };
    ResolvedTarget target;

    Harness(std::optional<QStringList> caps, std::optional<ReportMedium> medium = ReportMedium::Desktop)
    {
        AppSettings settings;
        settings.reportWith = medium;
        settings.showNotifications = true;
        rules.setSettings(settings);
        server.serve(std::move(caps));
        target.card = card;
        target.folder = card.url;
        notifier.setup();
        notifier.setOnEjectRequested([this](const QUrl &volume) { ejected.append(volume); });
    }
};

TEST(DesktopNotifier, OneNotificationPerCardWithActionsReplacedByWhatFollows)
{
    Harness h(QStringList { u"actions"_s, u"body-markup"_s });
    h.notifier.cardOpened(h.card, h.target, 3);
    h.notifier.cardProblem(
        h.card, UserText::verbatim(u"Could not & cannot"_s)); // waits for the id it replaces
    h.server.answerAll();
    ASSERT_EQ(h.server.sent.size(), 2u);
    const DesktopNotifications::Notification &opened = h.server.sent[0], &problem = h.server.sent[1];
    EXPECT_EQ(opened.summary, u"A<B"_s);
    EXPECT_EQ(opened.body, u"Opened A&lt;B \u00b7 3 files"_s);
    EXPECT_EQ(std::tuple(opened.category, opened.iconName, opened.expiry, opened.replacesId),
        std::tuple(u"device.added"_s, u"mirvale-tray-symbolic"_s, DesktopNotifier::kReportExpiry, 0u));
    EXPECT_EQ(
        opened.actions, QStringList({ u"show-folder"_s, u"Show Folder"_s, u"unmount"_s, u"Unmount"_s }));
    EXPECT_EQ(std::tuple(problem.body, problem.category, problem.expiry, problem.replacesId),
        std::tuple(u"Could not &amp; cannot"_s, u"device.error"_s, DesktopNotifier::kProblemExpiry, 1u));
    EXPECT_TRUE(problem.actions.isEmpty());

    // The server closes a notification whose action was chosen; the outcome still replaces it.
    h.server.invoke(1, u"show-folder"_s);
    h.server.invoke(1, u"unmount"_s);
    h.server.invoke(99, u"unmount"_s);
    h.server.close(1);
    EXPECT_EQ(h.shown, QList<QUrl> { h.target.folder });
    EXPECT_EQ(h.ejected, QList<QUrl> { h.card.url });
    h.notifier.cardUnmounted(h.card);
    h.server.answerAll();
    ASSERT_EQ(h.server.sent.size(), 3u);
    EXPECT_EQ(std::pair(h.server.sent[2].replacesId, h.server.sent[2].body),
        std::pair(1u, u"Unmounted. The card can be removed."_s));

    // Closed otherwise: the next report is new, an unmount not asked for says nothing.
    h.server.close(1);
    h.notifier.cardUnmounted(h.card);
    h.notifier.cardOpened(h.card, h.target, 1);
    h.server.answerAll();
    ASSERT_EQ(h.server.sent.size(), 4u);
    EXPECT_EQ(h.server.sent[3].replacesId, 0u);
    EXPECT_TRUE(h.panels.opened().isEmpty() && h.panels.problems().isEmpty());
}

TEST(DesktopNotifier, PanelsWhenChosenOrWithoutAServerWithOneLogLine)
{
    EXPECT_EQ(DesktopNotifier::medium(AppSettings(), true), ReportMedium::Panels);
    EXPECT_EQ(DesktopNotifier::medium(AppSettings(), false), ReportMedium::Desktop);
    Harness chosen(QStringList { u"actions"_s }, ReportMedium::Panels);
    chosen.notifier.cardOpened(chosen.card, chosen.target, 3);
    chosen.panels.pressUnmount(chosen.card.url);
    EXPECT_EQ(chosen.panels.opened().size(), 1);
    EXPECT_EQ(chosen.ejected.size(), 1);

    Harness h(std::nullopt);
    h.notifier.cardOpened(h.card, h.target, 3);
    h.notifier.cardProblem(h.card, UserText::verbatim(u"Oops"_s));
    h.server.answerAll();
    // A server without actions or markup comes, and goes in the middle of a call.
    h.server.serve(QStringList { u"body"_s });
    h.notifier.cardOpened(h.card, h.target, 3);
    h.notifier.cardProblem(h.card, UserText::verbatim(u"A & B"_s));
    h.server.answerAll();
    h.notifier.cardProblem(h.card, UserText::verbatim(u"Later"_s));
    h.server.serve(std::nullopt);
    h.server.answerAll();
    ASSERT_EQ(h.server.sent.size() + chosen.server.sent.size(), 3u);
    EXPECT_TRUE(h.server.sent[0].actions.isEmpty());
    EXPECT_EQ(h.server.sent[1].body, u"A & B"_s);
    EXPECT_EQ(h.panels.opened().size(), 1);
    EXPECT_EQ(h.panels.problems().size(), 2);
    EXPECT_EQ(h.log.lines().filter(u"[WARN]"_s).size(), 2) << "once per loss of the server";
    AppSettings quiet = h.rules.settings(); // openings unwanted: problems only
    quiet.showNotifications = false;
    h.rules.setSettings(quiet);
    h.notifier.cardOpened(h.card, h.target, 3);
    h.server.answerAll();
    EXPECT_EQ(h.server.sent.size(), 3u);
}

} // namespace
