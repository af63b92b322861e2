#pragma once

#include <atomic>
#include <functional>
#include <memory>

/// A unit of queued work that can be cancelled until it starts.
class WorkItem {
public:
    explicit WorkItem(std::function<void()> work);

    void cancel() { m_cancelled.store(true, std::memory_order_release); }
    bool isCancelled() const { return m_cancelled.load(std::memory_order_acquire); }

    /// Runs the work unless it was cancelled.
    void perform();

private:
    std::function<void()> m_work;
    std::atomic<bool> m_cancelled { false };
};

using WorkItemPtr = std::shared_ptr<WorkItem>;
