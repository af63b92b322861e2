#include "support/Workers.h"

#include <condition_variable>
#include <deque>

namespace {

constexpr int kCardReadThreads = 8;
constexpr int kGeneralThreads = 4;
// Idle threads end soon, so an idle Mirvale holds none of them.
constexpr int kIdleExpiryMs = 5'000;

QThreadPool *makePool(int threads)
{
    auto *pool = new QThreadPool;
    pool->setMaxThreadCount(threads);
    pool->setExpiryTimeout(kIdleExpiryMs);
    return pool;
}

/// Hands work to the pool's threads under a standard mutex.
struct Handover {
    std::mutex mutex;
    std::deque<std::function<void()>> work;

    std::function<void()> take()
    {
        std::lock_guard lock(mutex);
        std::function<void()> next = std::move(work.front());
        work.pop_front();
        return next;
    }
};

Handover &handoverOf(QThreadPool &pool)
{
    // One hand-over per pool; only two pools ever exist. Never destroyed, like the pools: a
    // thread may still take work from it while the process exits.
    static Handover *const cards = new Handover;
    static Handover *const general = new Handover;
    return &pool == &Workers::cardReads() ? *cards : *general;
}

} // namespace

QThreadPool &Workers::cardReads()
{
    static QThreadPool *const pool = makePool(kCardReadThreads);
    return *pool;
}

QThreadPool &Workers::general()
{
    static QThreadPool *const pool = makePool(kGeneralThreads);
    return *pool;
}

void Workers::start(QThreadPool &pool, std::function<void()> work)
{
    Handover &handover = handoverOf(pool);
    {
        std::lock_guard lock(handover.mutex);
        handover.work.push_back(std::move(work));
    }
    // The pool runs its tasks in the order given; each takes the oldest piece of work.
    pool.start([&handover] { handover.take()(); });
}

void Workers::post(QObject *receiver, std::function<void()> then)
{
    struct Slot {
        std::mutex mutex;
        std::function<void()> then;
    };
    auto slot = std::make_shared<Slot>();
    {
        std::lock_guard lock(slot->mutex);
        slot->then = std::move(then);
    }
    QMetaObject::invokeMethod(
        receiver,
        [slot] {
            std::function<void()> work;
            {
                std::lock_guard lock(slot->mutex);
                work.swap(slot->then);
            }
            if (work)
                work();
        },
        Qt::QueuedConnection);
}

struct Workers::Lane::State {
    std::mutex mutex;
    std::condition_variable idle;
    std::deque<std::function<void()>> work;
    bool running = false;
    bool dropped = false;
    quint64 posted = 0;
    quint64 done = 0;
};

Workers::Lane::Lane(QThreadPool &pool)
    : m_pool(pool)
    , m_state(std::make_shared<State>())
{
}

Workers::Lane::~Lane()
{
    // Dropped work is destroyed outside the lock: its captures may own things whose
    // destructors post again.
    std::deque<std::function<void()>> dropped;
    std::lock_guard lock(m_state->mutex);
    m_state->dropped = true;
    dropped.swap(m_state->work);
}

void Workers::Lane::post(std::function<void()> work)
{
    std::lock_guard lock(m_state->mutex);
    if (m_state->dropped)
        return;
    m_state->work.push_back(std::move(work));
    ++m_state->posted;
    if (m_state->running)
        return;
    m_state->running = true;
    // The lane holds a pool thread while it has work, and lets it go when it has none.
    start(m_pool, [state = m_state] {
        std::unique_lock held(state->mutex);
        while (!state->work.empty()) {
            std::function<void()> next = std::move(state->work.front());
            state->work.pop_front();
            held.unlock();
            next();
            next = nullptr;
            held.lock();
            ++state->done;
            state->idle.notify_all();
        }
        state->running = false;
        state->idle.notify_all();
    });
}

void Workers::Lane::flush()
{
    std::unique_lock lock(m_state->mutex);
    const quint64 target = m_state->posted;
    m_state->idle.wait(lock,
        [this, target] { return m_state->done >= target || (m_state->work.empty() && !m_state->running); });
}
