#include "support/SerialQueue.h"

#include <algorithm>
#include <pthread.h>

SerialQueue::SerialQueue(QString label)
    : m_label(std::move(label))
{
    m_thread = std::thread([this] { run(); });
    // Thread names are limited to 15 bytes; the tail of the label is the telling part.
    const QByteArray name = m_label.toUtf8().right(15);
    pthread_setname_np(m_thread.native_handle(), name.constData());
}

SerialQueue::~SerialQueue()
{
    // Dropped blocks are destroyed outside the lock: their captures may own objects whose
    // destructors reach for this queue.
    std::deque<Entry> dropped;
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        dropped.swap(m_entries);
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

WorkItemPtr SerialQueue::async(std::function<void()> work)
{
    auto item = std::make_shared<WorkItem>(std::move(work));
    async(item);
    return item;
}

WorkItemPtr SerialQueue::asyncAfter(std::chrono::milliseconds delay, std::function<void()> work)
{
    auto item = std::make_shared<WorkItem>(std::move(work));
    asyncAfter(delay, item);
    return item;
}

void SerialQueue::async(const WorkItemPtr &item)
{
    enqueue(Clock::now(), item);
}

void SerialQueue::asyncAfter(std::chrono::milliseconds delay, const WorkItemPtr &item)
{
    enqueue(Clock::now() + delay, item);
}

void SerialQueue::sync(std::function<void()> work)
{
    std::mutex doneMutex;
    std::condition_variable doneCondition;
    bool done = false;
    async([&] {
        work();
        std::lock_guard lock(doneMutex);
        done = true;
        doneCondition.notify_all();
    });
    std::unique_lock lock(doneMutex);
    doneCondition.wait(lock, [&] { return done; });
}

void SerialQueue::enqueue(Clock::time_point due, WorkItemPtr item)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_stopping)
            return;
        Entry entry { due, m_nextSequence++, std::move(item) };
        auto position
            = std::upper_bound(m_entries.begin(), m_entries.end(), entry, [](const Entry &a, const Entry &b) {
                  return a.due < b.due || (a.due == b.due && a.sequence < b.sequence);
              });
        m_entries.insert(position, std::move(entry));
    }
    m_wake.notify_one();
}

void SerialQueue::run()
{
    std::unique_lock lock(m_mutex);
    while (true) {
        if (m_stopping)
            return;
        if (m_entries.empty()) {
            m_wake.wait(lock);
            continue;
        }
        const auto due = m_entries.front().due;
        if (Clock::now() < due) {
            m_wake.wait_until(lock, due);
            continue;
        }
        WorkItemPtr item = std::move(m_entries.front().item);
        m_entries.pop_front();
        lock.unlock();
        item->perform();
        item.reset();
        lock.lock();
    }
}
