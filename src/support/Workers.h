#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QThreadPool>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <type_traits>

// Mirvale's threads for work that may block: reading a card (which may hang), counting files,
// writing the log and the settings. Qt's event loop on the main thread owns Mirvale's state.
//
// How shared state stays sound although Debian's Qt is not built for ThreadSanitizer (its hand-
// overs are invisible to it): only the main thread writes Mirvale's state. Work gets copies in and
// hands its result out through a standard mutex (a hand-over ThreadSanitizer sees); the result is
// applied on the main thread, and only while its receiver still exists. Work never touches a
// QObject of the main thread.
namespace Workers {

/// The pool for reads of cards: a read stuck on a hung card holds its thread until the card
/// answers or goes, so this pool is bounded and separate from the one for Mirvale's own files.
/// Never destroyed: quitting never waits for a stuck read.
QThreadPool &cardReads();
/// The pool for everything else that blocks (Mirvale's own files, helper commands).
QThreadPool &general();

/// Runs `work` on `pool`; the work crosses over through a standard mutex.
void start(QThreadPool &pool, std::function<void()> work);

/// Calls `then` on the thread of `receiver` on a later turn of its event loop, unless
/// `receiver` is gone by then. Any thread; `receiver` must outlive the call itself.
void post(QObject *receiver, std::function<void()> then);

/// Runs `work` on `pool` and hands its result to `done` on the thread of `receiver` (call this
/// on that thread), unless `receiver` is gone by then.
template <typename Work, typename Done> void run(QThreadPool &pool, QObject *receiver, Work work, Done done)
{
    using Result = std::invoke_result_t<Work &>;
    struct Slot {
        std::mutex mutex;
        std::optional<Result> value;
    };
    auto slot = std::make_shared<Slot>();
    QPointer<QObject> guard(receiver);
    start(pool, [slot, guard, work = std::move(work), done = std::move(done)]() mutable {
        Result result = work();
        {
            std::lock_guard lock(slot->mutex);
            slot->value.emplace(std::move(result));
        }
        QCoreApplication *app = QCoreApplication::instance();
        if (!app)
            return;
        QMetaObject::invokeMethod(
            app,
            [slot, guard, done = std::move(done)]() mutable {
                std::optional<Result> value;
                {
                    std::lock_guard lock(slot->mutex);
                    value.swap(slot->value);
                }
                if (guard && value)
                    done(std::move(*value));
            },
            Qt::QueuedConnection);
    });
}

/// Work that must run one at a time in the order given (one file's writes), on a pool without
/// a thread of its own: a lane takes a pool thread only while it has work.
class Lane {
public:
    explicit Lane(QThreadPool &pool = general());
    /// Drops the work not started yet; never waits for the running one.
    ~Lane();
    Lane(const Lane &) = delete;
    Lane &operator=(const Lane &) = delete;

    void post(std::function<void()> work);
    /// Waits until the work posted before has run. For flushing a file before quitting and for
    /// tests; never for the card pipeline.
    void flush();

private:
    struct State;
    QThreadPool &m_pool;
    std::shared_ptr<State> m_state;
};

} // namespace Workers
