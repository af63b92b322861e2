#include "support/MainQueue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <mutex>
#include <vector>

namespace {

struct Pending {
    std::chrono::milliseconds delay;
    std::function<void()> work;
};

/// Lives on the main thread and drains the hand-over list when woken.
class MainQueueDrain : public QObject {
public:
    static MainQueueDrain &instance()
    {
        static MainQueueDrain *drain = [] {
            auto *created = new MainQueueDrain;
            created->moveToThread(QCoreApplication::instance()->thread());
            return created;
        }();
        return *drain;
    }

    void post(Pending pending)
    {
        bool wake = false;
        {
            std::lock_guard lock(m_mutex);
            m_pending.push_back(std::move(pending));
            wake = !m_wakePosted;
            m_wakePosted = true;
        }
        if (wake)
            QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        std::vector<Pending> batch;
        {
            std::lock_guard lock(m_mutex);
            batch.swap(m_pending);
            m_wakePosted = false;
        }
        for (auto &pending : batch) {
            if (pending.delay.count() > 0)
                QTimer::singleShot(pending.delay, Qt::PreciseTimer, this, std::move(pending.work));
            else
                pending.work();
        }
        return true;
    }

private:
    std::mutex m_mutex;
    std::vector<Pending> m_pending;
    bool m_wakePosted = false;
};

} // namespace

void MainQueue::async(std::function<void()> work)
{
    MainQueueDrain::instance().post({ std::chrono::milliseconds(0), std::move(work) });
}

void MainQueue::asyncAfter(std::chrono::milliseconds delay, std::function<void()> work)
{
    MainQueueDrain::instance().post({ delay, std::move(work) });
}

void MainQueue::async(QObject *context, std::function<void()> work)
{
    assertMainThread("MainQueue::async(context)");
    QPointer<QObject> guard(context);
    async([guard, work = std::move(work)] {
        if (guard)
            work();
    });
}

bool MainQueue::isMainThread()
{
    const auto *app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

void MainQueue::assertMainThread(const char *where)
{
    if (!isMainThread())
        qFatal("%s must run on the main thread", where);
}
