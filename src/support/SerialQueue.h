#pragma once

#include "support/WorkItem.h"

#include <QString>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

/// A serial work queue on a thread of its own: blocks run one at a time in the order they
/// are due (submission order for equal due times).
class SerialQueue {
public:
    using Clock = std::chrono::steady_clock;

    explicit SerialQueue(QString label);
    /// Drops the blocks that have not started and waits for the running one to finish.
    ~SerialQueue();

    SerialQueue(const SerialQueue &) = delete;
    SerialQueue &operator=(const SerialQueue &) = delete;

    const QString &label() const { return m_label; }

    WorkItemPtr async(std::function<void()> work);
    WorkItemPtr asyncAfter(std::chrono::milliseconds delay, std::function<void()> work);
    void async(const WorkItemPtr &item);
    void asyncAfter(std::chrono::milliseconds delay, const WorkItemPtr &item);

    /// Runs the work on the queue and waits for it. Never call it from the queue itself.
    void sync(std::function<void()> work);

    bool isCurrent() const { return std::this_thread::get_id() == m_thread.get_id(); }

private:
    struct Entry {
        Clock::time_point due;
        quint64 sequence;
        WorkItemPtr item;
    };

    void run();
    void enqueue(Clock::time_point due, WorkItemPtr item);

    const QString m_label;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Entry> m_entries; // kept sorted by (due, sequence)
    quint64 m_nextSequence = 0;
    bool m_stopping = false;
    std::thread m_thread;
};
