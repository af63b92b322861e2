#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class QTimer;

/// Reads of cards on Mirvale's card-read pool: a card's reads run one at a time in the order
/// given, different cards side by side. Each read has a time limit counted from when it starts
/// running. A read past it (a hung card: its FUSE daemon stopped) is left holding its thread and
/// its card is given up: the card's reads are refused at once until that read returns, whose
/// result is then dropped. While `stuckBound` threads are held so, cards are given up unread.
/// Main thread.
class CardReads final : public QObject {
    Q_OBJECT
public:
    /// At most as many reads as the pool has threads are handed to it at once, so a read never
    /// waits there behind stuck ones; `stuckBound` is at most that many.
    CardReads(std::chrono::milliseconds limit, int stuckBound);
    /// Drops the reads not started; a running one finishes on its own and is dropped.
    ~CardReads() override;

    /// Runs `work` on the pool after the reads of `key` given before it, and hands its value
    /// to `done` on the main thread; `done` gets none when the card was given up.
    template <typename T>
    void read(const QString &key, std::function<T()> work, std::function<void(std::optional<T>)> done);

    /// Reads past the time limit that have not returned.
    int stuckReads() const { return int(m_stuck.size()); }

signals:
    /// A card stopped answering (or the bound was reached); once each time it is given up.
    void givenUp(const QString &key);

private:
    /// `work` runs on the pool; `finish` on the main thread, told whether the work ran.
    struct Job {
        std::function<void()> work;
        std::function<void(bool read)> finish;
    };
    struct Lane {
        std::deque<Job> waiting;
        bool running = false;
    };
    struct Running {
        QString key;
        std::function<void(bool read)> finish; // empty once the read is past its limit
        QTimer *limit = nullptr;
    };

    void enqueue(const QString &key, Job job);
    void schedulePump();
    void pump();
    void refuseWaiting(const QString &key);
    void submit(const QString &key, Job job);
    void started(quint64 id);
    void limitReached(quint64 id);
    void returned(quint64 id);
    bool isGivenUp(const QString &key) const;

    const std::chrono::milliseconds m_limit;
    const int m_threads;
    const int m_stuckBound;
    QHash<QString, Lane> m_lanes;
    std::deque<QString> m_ready; // lanes with work and no read running, in the order they got it
    QHash<quint64, Running> m_running; // handed to the pool and not returned, stuck ones too
    QSet<QString> m_stuck; // cards whose read is past its limit and has not returned
    QSet<QString> m_refused; // cards given up unread while the bound was reached
    quint64 m_nextId = 0;
    bool m_pumpScheduled = false;
};

template <typename T>
void CardReads::read(const QString &key, std::function<T()> work, std::function<void(std::optional<T>)> done)
{
    // The value crosses to the main thread with the pool's hand-over, which orders it.
    auto value = std::make_shared<std::optional<T>>();
    enqueue(key,
        { [value, work = std::move(work)] { value->emplace(work()); },
            [value, done = std::move(done)](bool read) { done(read ? std::move(*value) : std::nullopt); } });
}
