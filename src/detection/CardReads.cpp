#include "detection/CardReads.h"

#include "support/Workers.h"

#include <QPointer>
#include <QTimer>

#include <algorithm>

CardReads::CardReads(std::chrono::milliseconds limit, int stuckBound)
    : m_limit(limit)
    , m_threads(std::max(1, Workers::cardReads().maxThreadCount()))
    // Past the threads handed out no read could start, so the bound is at most those.
    , m_stuckBound(std::clamp(stuckBound, 1, m_threads))
{
}

CardReads::~CardReads() = default;

void CardReads::enqueue(const QString &key, Job job)
{
    Lane &lane = m_lanes[key];
    lane.waiting.push_back(std::move(job));
    if (lane.waiting.size() == 1 && !lane.running)
        m_ready.push_back(key);
    schedulePump();
}

void CardReads::schedulePump()
{
    // On a later turn, so a refusal never answers inside the call that asked.
    if (std::exchange(m_pumpScheduled, true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_pumpScheduled = false;
            pump();
        },
        Qt::QueuedConnection);
}

bool CardReads::isGivenUp(const QString &key) const
{
    return m_stuck.contains(key) || m_refused.contains(key);
}

void CardReads::pump()
{
    while (!m_ready.empty()) {
        const QString key = m_ready.front();
        if (isGivenUp(key)) {
            m_ready.pop_front();
            refuseWaiting(key);
        } else if (int(m_stuck.size()) >= m_stuckBound) {
            m_ready.pop_front();
            m_refused.insert(key);
            emit givenUp(key);
            refuseWaiting(key);
        } else if (int(m_running.size()) < m_threads) {
            m_ready.pop_front();
            Lane &lane = m_lanes[key];
            Job job = std::move(lane.waiting.front());
            lane.waiting.pop_front();
            lane.running = true;
            submit(key, std::move(job));
        } else {
            return;
        }
    }
}

void CardReads::refuseWaiting(const QString &key)
{
    // Taken out first: a refusal may ask for another read of the card.
    const std::deque<Job> waiting = std::move(m_lanes[key].waiting);
    m_lanes.remove(key);
    for (const Job &job : waiting)
        job.finish(false);
}

void CardReads::submit(const QString &key, Job job)
{
    const quint64 id = ++m_nextId;
    m_running.insert(id, Running { key, std::move(job.finish), nullptr });
    // Made here and checked here: a read that returns after the reads are gone touches nothing.
    const QPointer<CardReads> self(this);
    Workers::run(
        Workers::cardReads(), this,
        [self, id, work = std::move(job.work)] {
            // The limit counts from here: a read waiting for a thread is not late.
            if (QCoreApplication *app = QCoreApplication::instance()) {
                Workers::post(app, [self, id] {
                    if (self)
                        self->started(id);
                });
            }
            work();
            return true;
        },
        [this, id](bool) { returned(id); });
}

void CardReads::started(quint64 id)
{
    const auto running = m_running.find(id);
    if (running == m_running.end() || running->limit)
        return;
    running->limit = new QTimer(this);
    running->limit->setSingleShot(true);
    running->limit->setTimerType(Qt::PreciseTimer);
    connect(running->limit, &QTimer::timeout, this, [this, id] { limitReached(id); });
    running->limit->start(m_limit);
}

void CardReads::limitReached(quint64 id)
{
    const auto running = m_running.find(id);
    if (running == m_running.end() || !running->finish)
        return;
    const QString key = running->key;
    const std::function<void(bool)> finish = std::exchange(running->finish, nullptr);
    m_stuck.insert(key);
    emit givenUp(key);
    // The card's later reads are refused at once, and past the bound other cards' too.
    Lane &lane = m_lanes[key];
    lane.running = false;
    if (lane.waiting.empty())
        m_lanes.remove(key);
    else
        m_ready.push_back(key);
    schedulePump();
    finish(false);
}

void CardReads::returned(quint64 id)
{
    const auto running = m_running.find(id);
    if (running == m_running.end())
        return;
    const Running done = std::move(*running);
    m_running.erase(running);
    if (done.limit)
        done.limit->deleteLater();
    if (!done.finish) {
        // A stuck read came back: its thread is free and its card is read again; the cards
        // refused meanwhile are read on their next turn. Its value is dropped.
        m_stuck.remove(done.key);
        m_refused.clear();
        schedulePump();
        return;
    }
    Lane &lane = m_lanes[done.key];
    lane.running = false;
    if (lane.waiting.empty())
        m_lanes.remove(done.key);
    else
        m_ready.push_back(done.key);
    schedulePump();
    done.finish(true);
}
