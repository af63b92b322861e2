#include "ui/Notifier.h"

#include "common/FakeRulesProvider.h"
#include "common/ManualTimers.h"
#include "common/PollUntil.h"
#include "common/RecordingLogger.h"
#include "platform/MotionPreference.h"
#include "ui/NotificationPanel.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

using namespace std::chrono_literals;

namespace {

class FixedMotion final : public MotionPreference {
public:
    bool prefersReducedMotion() const override { return reduced; }
    bool reduced = false;
};

QList<NotificationPanel *> visiblePanels()
{
    QList<NotificationPanel *> panels;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *panel = qobject_cast<NotificationPanel *>(widget); panel && panel->isVisible())
            panels.append(panel);
    }
    std::sort(panels.begin(), panels.end(), [](auto *a, auto *b) { return a->y() < b->y(); });
    return panels;
}

QString titleOf(const NotificationPanel *panel)
{
    return panel->findChild<QLabel *>(QStringLiteral("panelTitle"))->text();
}

QString bodyOf(const NotificationPanel *panel)
{
    return panel->findChild<QLabel *>(QStringLiteral("panelBody"))->text();
}

class NotifierTest : public ::testing::Test {
protected:
    NotifierTest()
    {
        AppSettings settings;
        settings.showNotifications = true;
        rules.setSettings(settings);
        notifier = std::make_unique<Notifier>(
            Notifier::Services { &rules, &log, &timers, &motion, {}, false, {} });
        card = MountedCard { QUrl::fromLocalFile(QStringLiteral("/media/u/EOS_DIGITAL")),
            QStringLiteral("EOS_DIGITAL"), true, true, 31'900'000'000 };
        target.card = card;
        target.relativePath = QStringLiteral("DCIM/101CANON");
    }
    ~NotifierTest() override
    {
        notifier.reset();
        processEventsFor(10ms);
    }

    FakeRulesProvider rules;
    RecordingLogger log;
    ManualTimers timers;
    FixedMotion motion;
    std::unique_ptr<Notifier> notifier;
    MountedCard card;
    ResolvedTarget target;
};

TEST_F(NotifierTest, AnOpenedCardGetsAPanelWhoseUnmountEjectsThatCardOnly)
{
    motion.reduced = true;
    QList<QUrl> ejected;
    notifier->setOnEjectRequested([&ejected](const QUrl &volume) { ejected.append(volume); });
    notifier->cardOpened(card, target, 2);
    notifier->cardProblem(card, UserText::verbatim(QStringLiteral("Folder not found.")));

    auto panels = visiblePanels();
    ASSERT_EQ(panels.size(), 2);
    EXPECT_EQ(panels[0]->width(), 330);
    EXPECT_EQ(titleOf(panels[0]), QStringLiteral("EOS_DIGITAL"));
    EXPECT_EQ(bodyOf(panels[0]),
        QStringLiteral("Opened DCIM/101CANON \u00b7 2 files \u00b7 31.9\u00a0GB\u00a0free"));
    EXPECT_EQ(bodyOf(panels[1]), QStringLiteral("Folder not found."));
    EXPECT_EQ(panels[1]->findChild<QPushButton *>(QStringLiteral("unmountButton")), nullptr);
    auto *unmount = panels[0]->findChild<QPushButton *>(QStringLiteral("unmountButton"));
    ASSERT_NE(unmount, nullptr);
    EXPECT_EQ(unmount->text(), QStringLiteral("Unmount"));

    unmount->click();
    EXPECT_EQ(ejected, QList<QUrl> { card.url });
    panels = visiblePanels();
    ASSERT_EQ(panels.size(), 1);
    EXPECT_EQ(bodyOf(panels[0]), QStringLiteral("Folder not found."));
}

TEST_F(NotifierTest, WithNotificationsOffOnlyProblemsAreShown)
{
    rules.setSettings(AppSettings {});
    notifier->cardOpened(card, target, 2);
    EXPECT_TRUE(visiblePanels().isEmpty());
    EXPECT_TRUE(log.contains(
        QStringLiteral("[INFO] Notifier: skipping card-opened panel (notifications disabled).")));
    notifier->cardProblem(card, UserText::verbatim(QStringLiteral("Finder did not answer in time.")));
    EXPECT_EQ(visiblePanels().size(), 1);
}

TEST_F(NotifierTest, PanelsFloatWithoutTakingFocusAndHangFromTheTopRight)
{
    notifier->cardProblem(card, UserText::verbatim(QStringLiteral("x")));
    const auto panels = visiblePanels();
    ASSERT_EQ(panels.size(), 1);
    const Qt::WindowFlags flags = panels[0]->windowFlags();
    for (const auto flag :
        { Qt::Tool, Qt::FramelessWindowHint, Qt::WindowStaysOnTopHint, Qt::WindowDoesNotAcceptFocus })
        EXPECT_TRUE(flags.testFlag(flag)) << flag;
    EXPECT_TRUE(panels[0]->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_TRUE(panels[0]->testAttribute(Qt::WA_TranslucentBackground));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(panels[0]->geometry().right(), area.right() - 12);
    EXPECT_EQ(panels[0]->y(), area.top() + 12);
    EXPECT_FALSE(QApplication::activeWindow());
}

TEST_F(NotifierTest, LongTitlesEndInAnEllipsisAndBodiesWrap)
{
    MountedCard named = card;
    named.name = QStringLiteral("A card with a very long name that does not fit on one line of the panel");
    notifier->cardProblem(named,
        UserText::verbatim(QStringLiteral("The folder DCIM/100CANON/VERY/DEEP/PATH/THAT/GOES/ON could not be "
                                          "found on the card, so the card itself was opened instead.")));
    const auto panels = visiblePanels();
    ASSERT_EQ(panels.size(), 1);
    const auto *title = panels[0]->findChild<QLabel *>(QStringLiteral("panelTitle"));
    EXPECT_TRUE(title->text().endsWith(QChar(0x2026)));
    EXPECT_LE(title->fontMetrics().horizontalAdvance(title->text()), 270);
    const auto *body = panels[0]->findChild<QLabel *>(QStringLiteral("panelBody"));
    EXPECT_GT(body->height(), 2 * body->fontMetrics().height());
    EXPECT_GE(panels[0]->height(), body->geometry().bottom() + 12);
}

TEST_F(NotifierTest, AClickFadesThePanelOutAndTheTimerDismissesTheRest)
{
    notifier->cardProblem(card, UserText::verbatim(QStringLiteral("clicked")));
    notifier->cardProblem(card, UserText::verbatim(QStringLiteral("timed")));
    auto panels = visiblePanels();
    ASSERT_EQ(panels.size(), 2);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
        Qt::NoModifier);
    QApplication::sendEvent(panels[0], &press);
    ASSERT_TRUE(pollUntil([] { return visiblePanels().size() == 1; }, 2s));
    EXPECT_EQ(bodyOf(visiblePanels()[0]), QStringLiteral("timed"));
    EXPECT_EQ(visiblePanels()[0]->y(), QGuiApplication::primaryScreen()->availableGeometry().top() + 12);
    timers.advance(12s);
    EXPECT_TRUE(pollUntil([] { return visiblePanels().isEmpty(); }, 2s));
}

} // namespace
