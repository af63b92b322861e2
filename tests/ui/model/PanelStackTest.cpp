#include "ui/model/PanelStack.h"

#include "FakePanelView.h"
#include "common/ManualTimers.h"
#include "common/RecordingLogger.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

class PanelStackTest : public ::testing::Test {
protected:
    PanelStackTest()
    {
        PanelStack::Services services;
        services.log = &log;
        services.timers = &timers;
        services.makeView = [this](const PanelContent &content, PanelView::Events events) {
            auto record = std::make_shared<FakePanelRecord>();
            record->content = content;
            record->events = std::move(events);
            record->size = QSize(330, nextHeight);
            records.append(record);
            return std::make_unique<FakePanelView>(record);
        };
        services.availableArea = [this] { return area; };
        services.pointer = [this] { return pointer; };
        services.reducedMotion = [this] { return reducedMotion; };
        services.layoutDirection = [this] { return direction; };
        stack = std::make_unique<PanelStack>(std::move(services));
    }

    PanelStack::PanelId report(const QString &title = QStringLiteral("EOS"), std::function<void()> eject = {})
    {
        return stack->present(
            title, UserText::verbatim(QStringLiteral("Opened DCIM")), false, std::move(eject));
    }

    QList<QPoint> positions() const
    {
        QList<QPoint> result;
        for (const auto &record : records)
            result.append(record->position());
        return result;
    }

    RecordingLogger log;
    ManualTimers timers;
    QRect area { 100, 30, 1000, 700 };
    QPoint pointer { 0, 0 };
    bool reducedMotion = false;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    int nextHeight = 80;
    QList<std::shared_ptr<FakePanelRecord>> records;
    std::unique_ptr<PanelStack> stack;
};

TEST_F(PanelStackTest, PanelsHangFromTheTopRightCornerOldestFirst)
{
    report();
    nextHeight = 100;
    report();
    nextHeight = 60;
    report();
    // 12 in from the right (100 + 1000 - 12 - 330) and the top, 8 apart.
    EXPECT_EQ(positions(), (QList<QPoint> { { 758, 42 }, { 758, 130 }, { 758, 238 } }));
    // Right to left, the stack moves to the top-left corner, 12 in from the left.
    direction = Qt::RightToLeft;
    stack->reflow();
    EXPECT_EQ(positions(), (QList<QPoint> { { 112, 42 }, { 112, 130 }, { 112, 238 } }));
    for (const auto &record : records)
        EXPECT_TRUE(record->shown);
    EXPECT_EQ(log.lines().first(), QStringLiteral("[INFO] Notifier: showing panel \"EOS: Opened DCIM\""));
}

TEST_F(PanelStackTest, AFifthPanelDismissesTheOldestAndTheRestMoveUp)
{
    for (int i = 0; i < 4; ++i)
        report(QStringLiteral("CARD%1").arg(i));
    log.clear();
    report(QStringLiteral("CARD4"));

    EXPECT_EQ(log.lines(),
        (QStringList {
            QStringLiteral("[INFO] Notifier: showing panel \"CARD4: Opened DCIM\""),
            QStringLiteral("[INFO] Notifier: 4 panels on screen, dismissing the oldest 1 to stay under 4"),
        }));
    EXPECT_TRUE(records[0]->fading());
    EXPECT_EQ(stack->livePanels().size(), 4);
    // The fading one stays where it was; the new one takes the fourth place from the top.
    EXPECT_EQ(
        positions(), (QList<QPoint> { { 758, 42 }, { 758, 42 }, { 758, 130 }, { 758, 218 }, { 758, 306 } }));

    records[0]->finishFade();
    EXPECT_TRUE(records[0]->closed);
    EXPECT_TRUE(records[0]->destroyed);
    EXPECT_EQ(stack->panelCount(), 4);
    EXPECT_EQ(records[4]->position(), QPoint(758, 306));
}

TEST_F(PanelStackTest, AFadingPanelIsNeitherCountedNorStacked)
{
    for (int i = 0; i < 3; ++i)
        report();
    records[0]->events.clicked();
    ASSERT_TRUE(records[0]->fading());
    const auto movesOfFading = records[0]->moves.size();
    EXPECT_EQ(
        records[1]->position(), QPoint(758, 130)); // the rest move when it has gone, or on the next report

    report();
    report();
    // Three live ones before the fifth report: nothing beyond the limit.
    EXPECT_FALSE(log.contains(
        QStringLiteral("[INFO] Notifier: 4 panels on screen, dismissing the oldest 1 to stay under 4")));
    EXPECT_EQ(stack->livePanels().size(), 4);
    EXPECT_EQ(stack->panelCount(), 5);
    EXPECT_EQ(records[0]->moves.size(), movesOfFading);
    EXPECT_EQ(records[1]->position(), QPoint(758, 42));
    EXPECT_EQ(records[4]->position(), QPoint(758, 306));
}

TEST_F(PanelStackTest, ReportsLeaveAfterEightSecondsAndProblemsAfterTwelve)
{
    const struct {
        bool isProblem;
        std::chrono::milliseconds delay;
    } cases[] = { { false, 8s }, { true, 12s } };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.isProblem ? "problem" : "report");
        records.clear();
        stack->present(QStringLiteral("EOS"), UserText::verbatim(QStringLiteral("x")), c.isProblem, {});
        EXPECT_EQ(records[0]->content.isProblem, c.isProblem);
        timers.advance(c.delay - 1ms);
        EXPECT_FALSE(records[0]->fading());
        timers.advance(1ms);
        EXPECT_TRUE(records[0]->fading());
        records[0]->finishFade();
    }
    EXPECT_EQ(stack->panelCount(), 0);
    EXPECT_EQ(timers.pending(), 0);
}

TEST_F(PanelStackTest, ThePointerHoldsAPanelPastItsDelayButNotPastThirtySeconds)
{
    report();
    timers.advance(5s);
    records[0]->events.pointerEntered();
    timers.advance(24s);
    EXPECT_FALSE(records[0]->fading());
    timers.advance(1s);
    EXPECT_TRUE(records[0]->fading());
}

TEST_F(PanelStackTest, LeavingThePanelStartsTheWholeDelayAgain)
{
    report();
    timers.advance(5s);
    records[0]->events.pointerEntered();
    timers.advance(5s);
    records[0]->events.pointerExited();
    timers.advance(8s - 1ms);
    EXPECT_FALSE(records[0]->fading());
    timers.advance(1ms);
    EXPECT_TRUE(records[0]->fading());
}

TEST_F(PanelStackTest, RestackingRestartsAPausedTimerOnlyWhenThePointerIsElsewhere)
{
    report();
    pointer = QPoint(800, 60); // on the first panel
    records[0]->events.pointerEntered();
    report();
    timers.advance(8s);
    EXPECT_FALSE(records[0]->fading());
    EXPECT_TRUE(records[1]->fading());

    // The first panel was moved from under the pointer without a leave event.
    pointer = QPoint(10, 10);
    report();
    timers.advance(8s);
    EXPECT_TRUE(records[0]->fading());
}

TEST_F(PanelStackTest, UnmountRunsTheActionOnceAndDismissesThatPanelOnly)
{
    int ejects = 0;
    report(QStringLiteral("EOS"), [&ejects] { ++ejects; });
    report(QStringLiteral("OTHER"));
    EXPECT_TRUE(records[0]->content.hasUnmount);
    stack->present(
        QStringLiteral("P"), UserText::of(QStringLiteral("Fehler"), QStringLiteral("Failure")), true, {});
    EXPECT_FALSE(records[2]->content.hasUnmount);
    // The panel in the user's language, the log in English.
    EXPECT_EQ(records[2]->content.body, QStringLiteral("Fehler"));
    EXPECT_TRUE(log.lines().contains(QStringLiteral("[INFO] Notifier: showing panel \"P: Failure\"")));

    records[0]->events.unmountPressed();
    records[0]->events.unmountPressed(); // a double click while it fades
    EXPECT_EQ(ejects, 1);
    EXPECT_TRUE(records[0]->fading());
    EXPECT_FALSE(records[1]->fading());
    EXPECT_FALSE(records[2]->fading());
    EXPECT_EQ(stack->livePanels().size(), 2);
}

TEST_F(PanelStackTest, AnUnmountThatReportsAProblemAtOnceStillDismissesItsPanel)
{
    reducedMotion = true;
    for (int i = 0; i < 3; ++i)
        report();
    report(QStringLiteral("EOS"), [this] {
        stack->present(QStringLiteral("EOS"), UserText::verbatim(QStringLiteral("Busy")), true, {});
    });
    records[3]->events.unmountPressed();
    EXPECT_TRUE(records[0]->destroyed); // the fifth live panel pushed out the oldest
    EXPECT_TRUE(records[3]->destroyed);
    EXPECT_EQ(stack->livePanels().size(), 3);
    EXPECT_EQ(records[4]->position(), QPoint(758, 218));
}

TEST_F(PanelStackTest, WithReducedMotionADismissedPanelGoesAtOnce)
{
    reducedMotion = true;
    report();
    report();
    records[0]->events.clicked();
    EXPECT_FALSE(records[0]->fading());
    EXPECT_TRUE(records[0]->closed);
    EXPECT_TRUE(records[0]->destroyed);
    EXPECT_EQ(records[1]->position(), QPoint(758, 42));
}

TEST_F(PanelStackTest, PanelsThatWouldRunOffTheBottomRestOnIt)
{
    area = QRect(0, 0, 800, 300);
    nextHeight = 120;
    for (int i = 0; i < 4; ++i)
        report();
    EXPECT_EQ(positions(), (QList<QPoint> { { 458, 12 }, { 458, 140 }, { 458, 180 }, { 458, 180 } }));
}

TEST_F(PanelStackTest, APanelIsDismissedAtMostOnce)
{
    report();
    records[0]->events.clicked();
    auto firstFade = records[0]->fadeDone;
    records[0]->fadeDone = nullptr;
    records[0]->events.clicked();
    timers.advance(31s);
    EXPECT_FALSE(records[0]->fading()); // no second fade began
    EXPECT_EQ(timers.pending(), 0);
    firstFade();
    EXPECT_TRUE(records[0]->destroyed);
    records[0]->events.clicked(); // from a view on its way out
    EXPECT_EQ(stack->panelCount(), 0);
}

TEST_F(PanelStackTest, WithoutAScreenPanelsAreShownButNotPlaced)
{
    area = QRect();
    report();
    EXPECT_TRUE(records[0]->shown);
    EXPECT_TRUE(records[0]->moves.isEmpty());
    timers.advance(8s);
    EXPECT_TRUE(records[0]->fading());
}

TEST_F(PanelStackTest, AFadeEndingAfterTheStackIsGoneDoesNothing)
{
    report();
    records[0]->events.clicked();
    stack.reset();
    records[0]->finishFade();
    records[0]->events.clicked();
    EXPECT_TRUE(records[0]->destroyed);
}

} // namespace

TEST_F(PanelStackTest, AProblemMetAgainReplacesItsPanel)
{
    const QString busy
        = QStringLiteral("Dolphin is using DESK2: close its window on the card, then Unmount again");
    report(QStringLiteral("DESK2"));
    for (const char *card : { "DESK2", "DESK1", "DESK2" }) // a second DESK2 replaces the first
        stack->present(QString::fromLatin1(card), UserText::verbatim(busy), true, {});
    EXPECT_TRUE(stack->livePanels().size() == 3 && records[1]->fading());
}
