#include "support/MainQueue.h"
#include "support/Semaphore.h"
#include "support/SerialQueue.h"

#include "common/PollUntil.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace {

TEST(SerialQueue, RunsBlocksOneAtATimeInOrder)
{
    SerialQueue queue(QStringLiteral("test.serial"));
    std::mutex mutex;
    std::vector<int> order;
    std::atomic<int> running { 0 };
    std::atomic<bool> overlapped { false };
    for (int i = 0; i < 50; ++i) {
        queue.async([&, i] {
            if (running.fetch_add(1) != 0)
                overlapped = true;
            {
                std::lock_guard lock(mutex);
                order.push_back(i);
            }
            running.fetch_sub(1);
        });
    }
    queue.sync([] {});
    EXPECT_FALSE(overlapped);
    std::vector<int> expected(50);
    for (int i = 0; i < 50; ++i)
        expected[i] = i;
    EXPECT_EQ(order, expected);
}

TEST(SerialQueue, DelayedWorkRunsLaterAndCanBeCancelled)
{
    SerialQueue queue(QStringLiteral("test.delayed"));
    std::mutex mutex;
    std::vector<QString> order;
    auto record = [&](const QString &what) {
        std::lock_guard lock(mutex);
        order.push_back(what);
    };
    Semaphore done;
    queue.asyncAfter(60ms, [&] {
        record(QStringLiteral("late"));
        done.signal();
    });
    WorkItemPtr cancelled = queue.asyncAfter(20ms, [&] { record(QStringLiteral("cancelled")); });
    queue.async([&] { record(QStringLiteral("now")); });
    cancelled->cancel();
    ASSERT_TRUE(done.waitFor(5s));
    EXPECT_EQ(order, (std::vector<QString> { QStringLiteral("now"), QStringLiteral("late") }));
}

TEST(SerialQueue, DestructionDropsPendingWork)
{
    std::atomic<int> ran { 0 };
    {
        SerialQueue queue(QStringLiteral("test.drop"));
        queue.asyncAfter(10s, [&] { ++ran; });
    }
    EXPECT_EQ(ran.load(), 0);
}

TEST(SerialQueue, DestructionLeavesAStuckBlockBehindAfterTheCutOff)
{
    auto release = std::make_shared<Semaphore>();
    auto finished = std::make_shared<Semaphore>();
    auto started = std::make_shared<Semaphore>();
    {
        SerialQueue queue(QStringLiteral("test.stuck"));
        queue.setTearDownCutOff(20ms);
        queue.async([release, finished, started] {
            started->signal();
            release->wait(); // a read on a hung device
            finished->signal();
        });
        ASSERT_TRUE(started->waitFor(5s));
    }
    // The queue is gone while its block still runs; it ends on its own once released.
    EXPECT_FALSE(finished->waitFor(0ms));
    release->signal();
    EXPECT_TRUE(finished->waitFor(5s));
}

TEST(Semaphore, WaitsWithDeadline)
{
    Semaphore semaphore;
    EXPECT_FALSE(semaphore.waitFor(10ms));
    std::thread signaller([&] { semaphore.signal(); });
    EXPECT_TRUE(semaphore.waitFor(5s));
    signaller.join();
    semaphore.signal();
    semaphore.signal();
    EXPECT_TRUE(semaphore.waitFor(0ms));
    EXPECT_TRUE(semaphore.waitFor(0ms));
    EXPECT_FALSE(semaphore.waitFor(0ms));
}

TEST(MainQueue, WorkFromOtherThreadsRunsOnTheMainThread)
{
    EXPECT_TRUE(MainQueue::isMainThread());
    std::atomic<int> onMain { 0 };
    std::atomic<int> offMain { 0 };
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i) {
        threads.emplace_back([&] {
            EXPECT_FALSE(MainQueue::isMainThread());
            for (int j = 0; j < 25; ++j)
                MainQueue::async([&] { (MainQueue::isMainThread() ? onMain : offMain)++; });
        });
    }
    for (auto &thread : threads)
        thread.join();
    EXPECT_TRUE(pollUntil([&] { return onMain.load() == 100; }));
    EXPECT_EQ(offMain.load(), 0);
}

TEST(MainQueue, DelayedAndContextBoundWork)
{
    bool late = false;
    std::thread([&] { MainQueue::asyncAfter(30ms, [&] { late = true; }); }).join();
    EXPECT_TRUE(pollUntil([&] { return late; }));

    bool ranForDeadContext = false;
    auto *context = new QObject;
    MainQueue::async(context, [&] { ranForDeadContext = true; });
    delete context;
    bool marker = false;
    MainQueue::async([&] { marker = true; });
    EXPECT_TRUE(pollUntil([&] { return marker; }));
    EXPECT_FALSE(ranForDeadContext);
}

} // namespace
