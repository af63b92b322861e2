#include "detection/CardReads.h"

#include "common/PollUntil.h"
#include "support/Workers.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <atomic>
#include <future>

using namespace std::chrono_literals;

namespace {

const QString kHung = QStringLiteral("/media/me/HUNG");
const QString kHealthy = QStringLiteral("/media/me/EOS");

/// Reads that wait until the test lets them go, as on a card whose FUSE daemon is stopped; let
/// go at the end whatever happened, so no pool thread stays held.
struct Hang {
    std::promise<void> promise;
    std::shared_future<void> released = promise.get_future().share();
    std::shared_ptr<std::atomic<int>> entered = std::make_shared<std::atomic<int>>(0);
    bool let = false;

    std::function<int()> read(int value) const
    {
        return [released = released, entered = entered, value] {
            ++*entered;
            released.wait();
            return value;
        };
    }
    void release()
    {
        if (!std::exchange(let, true))
            promise.set_value();
    }
    ~Hang() { release(); }
};

/// Records each answer for one card.
struct Answers {
    QList<std::optional<int>> values;
    std::function<void(std::optional<int>)> record()
    {
        return [this](std::optional<int> value) { values.append(value); };
    }
};

std::function<int()> answer(int value)
{
    return [value] { return value; };
}

TEST(CardReads, AHungCardIsGivenUpOnceWhileAnotherCardReadsOnAndItsLateReturnChangesNothing)
{
    Hang hang;
    CardReads reads(150ms, 8);
    QSignalSpy givenUp(&reads, &CardReads::givenUp);
    Answers hung;
    Answers healthy;
    reads.read<int>(kHung, hang.read(1), hung.record());
    reads.read<int>(kHung, answer(2), hung.record()); // behind the hung read
    for (int value = 0; value < 5; ++value)
        reads.read<int>(kHealthy, answer(value), healthy.record());

    // The other card's reads pass in order while the first card hangs.
    ASSERT_TRUE(pollUntil([&] { return healthy.values.size() == 5; }));
    EXPECT_EQ(healthy.values, (QList<std::optional<int>> { 0, 1, 2, 3, 4 }));

    ASSERT_TRUE(pollUntil([&] { return hung.values.size() == 2; }));
    ASSERT_EQ(givenUp.count(), 1);
    EXPECT_EQ(givenUp.at(0).at(0).toString(), kHung);
    EXPECT_EQ(hung.values, (QList<std::optional<int>> { std::nullopt, std::nullopt }));
    EXPECT_EQ(reads.stuckReads(), 1);

    // Refused at once while the stuck read holds its thread, and not given up again.
    reads.read<int>(kHung, answer(3), hung.record());
    ASSERT_TRUE(pollUntil([&] { return hung.values.size() == 3; }));
    EXPECT_EQ(hung.values.last(), std::nullopt);
    EXPECT_EQ(hang.entered->load(), 1);

    // The stuck read returns: its value goes nowhere, and the card is read again.
    hang.release();
    ASSERT_TRUE(pollUntil([&] { return reads.stuckReads() == 0; }));
    EXPECT_EQ(hung.values.size(), 3);
    reads.read<int>(kHung, answer(4), hung.record());
    ASSERT_TRUE(pollUntil([&] { return hung.values.size() == 4; }));
    EXPECT_EQ(hung.values.last(), 4);
    EXPECT_EQ(givenUp.count(), 1);
}

TEST(CardReads, PastTheBoundCardsAreGivenUpUnreadUntilAStuckReadReturns)
{
    Hang hang;
    CardReads reads(100ms, 1);
    QSignalSpy givenUp(&reads, &CardReads::givenUp);
    Answers hung;
    Answers other;
    std::atomic<int> otherReads { 0 };
    const auto counted = [&otherReads] {
        ++otherReads;
        return 5;
    };
    reads.read<int>(kHung, hang.read(1), hung.record());
    ASSERT_TRUE(pollUntil([&] { return reads.stuckReads() == 1; }));

    reads.read<int>(kHealthy, counted, other.record());
    reads.read<int>(kHealthy, counted, other.record());
    ASSERT_TRUE(pollUntil([&] { return other.values.size() == 2; }));
    EXPECT_EQ(other.values, (QList<std::optional<int>> { std::nullopt, std::nullopt }));
    EXPECT_EQ(otherReads.load(), 0);
    ASSERT_EQ(givenUp.count(), 2); // once each, the other card unread
    EXPECT_EQ(givenUp.at(1).at(0).toString(), kHealthy);

    hang.release();
    ASSERT_TRUE(pollUntil([&] { return reads.stuckReads() == 0; }));
    reads.read<int>(kHealthy, counted, other.record());
    ASSERT_TRUE(pollUntil([&] { return other.values.size() == 3; }));
    EXPECT_EQ(other.values.last(), 5);
    EXPECT_EQ(givenUp.count(), 2);
}

TEST(CardReads, AReadWaitingForAPoolThreadIsNotLate)
{
    // Every thread of the pool is held by others (a hung card's folder being listed, say).
    Hang others;
    const int threads = Workers::cardReads().maxThreadCount();
    for (int held = 0; held < threads; ++held)
        Workers::start(Workers::cardReads(), [read = others.read(0)] { read(); });
    ASSERT_TRUE(pollUntil([&] { return others.entered->load() == threads; }));

    CardReads reads(50ms, 8);
    QSignalSpy givenUp(&reads, &CardReads::givenUp);
    Answers answers;
    reads.read<int>(kHealthy, answer(7), answers.record());
    // Far past the limit counted from the request, though not from the read's start.
    processEventsFor(200ms);
    others.release();
    ASSERT_TRUE(pollUntil([&] { return answers.values.size() == 1; }));
    EXPECT_EQ(answers.values.first(), 7);
    EXPECT_EQ(givenUp.count(), 0);
}

} // namespace
