#include "app/CardReportText.h"
#include "app/LoggingNotifier.h"

#include "common/FakeRulesProvider.h"
#include "common/RecordingLogger.h"

#include <gtest/gtest.h>

namespace {

TEST(CardReportText, OpenedBodyPartsAppearOnlyWhenKnown)
{
    MountedCard card { QUrl::fromLocalFile(QStringLiteral("/media/u/EOS")), QStringLiteral("EOS"), true, true,
        std::nullopt };
    ResolvedTarget target;
    target.card = card;
    target.relativePath = QStringLiteral("DCIM/101CANON");
    EXPECT_EQ(CardReportText::openedBody(card, target, std::nullopt), QStringLiteral("Opened DCIM/101CANON"));
    EXPECT_EQ(
        CardReportText::openedBody(card, target, 1), QStringLiteral("Opened DCIM/101CANON \u00b7 1 file"));
    card.freeBytes = 0;
    EXPECT_EQ(CardReportText::openedBody(card, target, 0),
        QStringLiteral("Opened DCIM/101CANON \u00b7 0 files \u00b7 0\u00a0bytes\u00a0free"));
    card.freeBytes = 31'900'000'000;
    target.relativePath.clear(); // the card root is described by the card's name
    EXPECT_EQ(CardReportText::openedBody(card, target, 12),
        QStringLiteral("Opened EOS \u00b7 12 files \u00b7 31.9\u00a0GB\u00a0free"));
    target.relativePath = QStringLiteral("DCIM/\u0645"); // right to left: isolated
    EXPECT_EQ(CardReportText::openedBody(card, target, 2),
        QStringLiteral("Opened \u2068DCIM/\u0645\u2069 \u00b7 2 files \u00b7 31.9\u00a0GB\u00a0free"));
}

TEST(LoggingNotifier, SkipsOpenedReportsWhenSwitchedOffButNeverProblems)
{
    FakeRulesProvider rules;
    RecordingLogger log;
    LoggingNotifier notifier(rules, log);
    notifier.setup();
    MountedCard card { QUrl::fromLocalFile(QStringLiteral("/media/u/EOS")), QStringLiteral("EOS"), true, true,
        std::nullopt };
    ResolvedTarget target;
    target.card = card;
    notifier.cardOpened(card, target, 3);
    notifier.cardProblem(card, QStringLiteral("Folder not found: /x"));
    AppSettings on;
    on.showNotifications = true;
    rules.setSettings(on);
    notifier.cardOpened(card, target, 3);
    EXPECT_EQ(log.lines(),
        (QStringList {
            QStringLiteral("[INFO] Notifier ready (in-app panels, no permission needed)"),
            QStringLiteral("[INFO] Notifier: skipping card-opened panel (notifications disabled)."),
            QStringLiteral("[INFO] Notifier: showing panel \"EOS: Folder not found: /x\""),
            QStringLiteral("[INFO] Notifier: showing panel \"EOS: Opened EOS \u00b7 3 files\""),
        }));
}

} // namespace
