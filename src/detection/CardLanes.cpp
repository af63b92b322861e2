#include "detection/CardLanes.h"

#include <pthread.h>
#include <thread>

CardLanes::CardLanes(int threadCount)
{
    m_state->threadCount = std::max(1, threadCount);
}

CardLanes::~CardLanes()
{
    // Dropped blocks are destroyed outside the lock: their captures may own objects whose
    // destructors reach for these lanes.
    QHash<QString, std::deque<std::function<void()>>> dropped;
    std::unique_lock lock(m_state->mutex);
    m_state->stopping = true;
    dropped.swap(m_state->waiting);
    m_state->ready.clear();
    lock.unlock();
    dropped.clear();
    lock.lock();
    const auto allEnded = [this] { return m_state->threads == 0; };
    if (m_cutOff)
        m_state->idle.wait_for(lock, *m_cutOff, allEnded);
    else
        m_state->idle.wait(lock, allEnded);
}

void CardLanes::async(const QString &key, std::function<void()> work)
{
    std::unique_lock lock(m_state->mutex);
    if (m_state->stopping)
        return;
    std::deque<std::function<void()>> &lane = m_state->waiting[key];
    lane.push_back(std::move(work));
    if (lane.size() == 1 && !m_state->running.value(key))
        m_state->ready.push_back(key);
    startThreads(m_state, lock);
}

void CardLanes::startThreads(const std::shared_ptr<State> &state, std::unique_lock<std::mutex> &)
{
    while (state->threads<state->threadCount &&int(state->ready.size())> state->threads
        - int(state->running.size())) {
        ++state->threads;
        std::thread thread([state] { run(state); });
        pthread_setname_np(thread.native_handle(), "mirvale-card");
        thread.detach();
    }
}

void CardLanes::run(const std::shared_ptr<State> &state)
{
    std::unique_lock lock(state->mutex);
    // A thread takes a lane and keeps it while the lane has work, then takes the next.
    while (!state->stopping && !state->ready.empty()) {
        const QString key = state->ready.front();
        state->ready.pop_front();
        state->running.insert(key, true);
        while (!state->stopping) {
            const auto lane = state->waiting.find(key);
            if (lane == state->waiting.end() || lane->empty()) {
                state->waiting.remove(key);
                break;
            }
            std::function<void()> work = std::move(lane->front());
            lane->pop_front();
            lock.unlock();
            work();
            work = nullptr;
            lock.lock();
        }
        state->running.remove(key);
    }
    --state->threads;
    state->idle.notify_all();
}
