#include "support/MainLoopTimers.h"

#include <QPointer>
#include <QTimer>

namespace {

class MainLoopTimer final : public TimerScheduler::Timer {
public:
    MainLoopTimer(std::chrono::milliseconds delay, std::function<void()> fire)
        : m_timer(new QTimer)
    {
        m_timer->setSingleShot(true);
        m_timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(m_timer, &QTimer::timeout, m_timer, std::move(fire));
        m_timer->start(delay);
    }

    ~MainLoopTimer() override
    {
        // The owner may drop the timer from inside its own timeout; Qt must finish emitting
        // first, so the QTimer goes on the next turn of the loop.
        if (!m_timer)
            return;
        m_timer->stop();
        QObject::disconnect(m_timer, nullptr, nullptr, nullptr);
        m_timer->deleteLater();
    }

private:
    QPointer<QTimer> m_timer;
};

} // namespace

std::unique_ptr<TimerScheduler::Timer> MainLoopTimers::start(
    std::chrono::milliseconds delay, std::function<void()> fire)
{
    return std::make_unique<MainLoopTimer>(delay, std::move(fire));
}
