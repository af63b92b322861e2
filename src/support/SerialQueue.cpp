#include "support/SerialQueue.h"

#include <algorithm>
#include <pthread.h>

SerialQueue::SerialQueue(QString label)
    : m_label(std::move(label))
{
    m_thread = std::thread([state = m_state] { run(state); });
    m_threadId = m_thread.get_id();
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
        std::lock_guard lock(m_state->mutex);
        m_state->stopping = true;
        dropped.swap(m_state->entries);
    }
    m_state->wake.notify_all();
    if (!m_thread.joinable())
        return;
    if (m_cutOff) {
        std::unique_lock lock(m_state->mutex);
        if (!m_state->ended.wait_for(lock, *m_cutOff, [this] { return m_state->finished; })) {
            m_thread.detach();
            return;
        }
    }
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
    State &state = *m_state;
    {
        std::lock_guard lock(state.mutex);
        if (state.stopping)
            return;
        Entry entry { due, state.nextSequence++, std::move(item) };
        auto position = std::upper_bound(
            state.entries.begin(), state.entries.end(), entry, [](const Entry &a, const Entry &b) {
                return a.due < b.due || (a.due == b.due && a.sequence < b.sequence);
            });
        state.entries.insert(position, std::move(entry));
    }
    state.wake.notify_one();
}

void SerialQueue::run(const std::shared_ptr<State> &state)
{
    std::unique_lock lock(state->mutex);
    while (true) {
        if (state->stopping) {
            state->finished = true;
            state->ended.notify_all();
            return;
        }
        if (state->entries.empty()) {
            state->wake.wait(lock);
            continue;
        }
        const auto due = state->entries.front().due;
        if (Clock::now() < due) {
            state->wake.wait_until(lock, due);
            continue;
        }
        WorkItemPtr item = std::move(state->entries.front().item);
        state->entries.pop_front();
        lock.unlock();
        item->perform();
        item.reset();
        lock.lock();
    }
}
