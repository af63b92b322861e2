#pragma once

#include <QObject>

#include <chrono>
#include <functional>

/// The main queue: work handed to the Qt event loop of the main thread from any thread.
/// Work travels through a standard mutex, so the hand-over is visible to race detectors
/// even though Qt's own locking is not.
namespace MainQueue {

/// Runs `work` on the main thread soon after. Safe from any thread once the application
/// object exists.
void async(std::function<void()> work);

/// Runs `work` on the main thread after `delay`.
void asyncAfter(std::chrono::milliseconds delay, std::function<void()> work);

/// Like async, but skipped when `context` (which lives on the main thread) is destroyed
/// first. Call it on the main thread only.
void async(QObject *context, std::function<void()> work);

bool isMainThread();

/// Aborts with a message when called off the main thread: these operations touch state
/// that only the main thread may touch.
void assertMainThread(const char *where);

} // namespace MainQueue

#define MIRVALE_ASSERT_MAIN_THREAD() MainQueue::assertMainThread(Q_FUNC_INFO)
