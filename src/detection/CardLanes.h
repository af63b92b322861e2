#pragma once

#include <QHash>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

/// Work on cards, one lane per card: a card's blocks run one at a time in the order given,
/// while the blocks of different cards run side by side on threads of their own, so a block
/// waiting on one card never holds up another card.
class CardLanes {
public:
    /// At most `threadCount` lanes run at once; the others wait for a thread.
    explicit CardLanes(int threadCount);
    /// Drops the blocks that have not started and waits for the running ones, for at most the
    /// tear-down cut-off: a block still running then (a read stuck on a hung card) is left to
    /// finish on its own, so blocks must hold everything they use.
    ~CardLanes();

    CardLanes(const CardLanes &) = delete;
    CardLanes &operator=(const CardLanes &) = delete;

    void setTearDownCutOff(std::chrono::milliseconds cutOff) { m_cutOff = cutOff; }
    /// Runs `work` on the lane of `key` after the blocks given to that lane before it.
    void async(const QString &key, std::function<void()> work);

private:
    /// Shared with the threads, which may outlive the lanes after a cut-off.
    struct State {
        std::mutex mutex;
        std::condition_variable idle;
        QHash<QString, std::deque<std::function<void()>>> waiting;
        std::deque<QString> ready; // lanes with work and no thread, in the order they got it
        QHash<QString, bool> running;
        int threads = 0;
        int threadCount = 0;
        bool stopping = false;
    };

    static void startThreads(const std::shared_ptr<State> &state, std::unique_lock<std::mutex> &lock);
    static void run(const std::shared_ptr<State> &state);

    const std::shared_ptr<State> m_state = std::make_shared<State>();
    std::optional<std::chrono::milliseconds> m_cutOff;
};
