#pragma once

#include "support/WorkItem.h"

#include <QString>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

/// A serial work queue on a thread of its own: blocks run one at a time in the order they
/// are due (submission order for equal due times).
class SerialQueue {
public:
    using Clock = std::chrono::steady_clock;

    explicit SerialQueue(QString label);
    /// Drops the blocks that have not started and waits for the running one to finish, for
    /// at most the tear-down cut-off when one is set.
    ~SerialQueue();

    /// A block still running this long after the queue is destroyed (a read stuck on a hung
    /// device) is left to finish on its own: it must hold everything it uses.
    void setTearDownCutOff(std::chrono::milliseconds cutOff) { m_cutOff = cutOff; }

    SerialQueue(const SerialQueue &) = delete;
    SerialQueue &operator=(const SerialQueue &) = delete;

    const QString &label() const { return m_label; }

    WorkItemPtr async(std::function<void()> work);
    WorkItemPtr asyncAfter(std::chrono::milliseconds delay, std::function<void()> work);
    void async(const WorkItemPtr &item);
    void asyncAfter(std::chrono::milliseconds delay, const WorkItemPtr &item);

    /// Runs the work on the queue and waits for it. Never call it from the queue itself.
    void sync(std::function<void()> work);

    bool isCurrent() const { return std::this_thread::get_id() == m_threadId; }

private:
    struct Entry {
        Clock::time_point due;
        quint64 sequence;
        WorkItemPtr item;
    };
    /// Shared with the thread, which may outlive the queue after a cut-off.
    struct State {
        std::mutex mutex;
        std::condition_variable wake;
        std::condition_variable ended;
        std::deque<Entry> entries; // kept sorted by (due, sequence)
        quint64 nextSequence = 0;
        bool stopping = false;
        bool finished = false;
    };

    static void run(const std::shared_ptr<State> &state);
    void enqueue(Clock::time_point due, WorkItemPtr item);

    const QString m_label;
    const std::shared_ptr<State> m_state = std::make_shared<State>();
    std::optional<std::chrono::milliseconds> m_cutOff;
    std::thread m_thread;
    std::thread::id m_threadId;
};
