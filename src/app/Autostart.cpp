#include "app/Autostart.h"

#include "platform/AutostartService.h"
#include "support/DescribedError.h"
#include "support/Logger.h"
#include "support/Workers.h"

#include <QCoreApplication>
#include <QThread>

namespace {

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

Autostart::Autostart(std::shared_ptr<AutostartService> service, Logger &log)
    : m_service(std::move(service))
    , m_log(log)
{
}

Autostart::~Autostart() = default;

bool Autostart::lastKnownEnabled() const
{
    return m_state->lastKnownEnabled;
}

void Autostart::refreshStatus(std::function<void(bool enabled)> callback)
{
    std::shared_ptr<AutostartService> service = m_service;
    std::weak_ptr<State> state = m_state;
    Workers::start(Workers::general(), [service, state, callback = std::move(callback)] {
        const bool enabled = service->status() == AutostartService::Status::Enabled;
        Workers::post(QCoreApplication::instance(), [state, callback, enabled] {
            const std::shared_ptr<State> alive = state.lock();
            if (!alive)
                return;
            alive->lastKnownEnabled = enabled;
            if (callback)
                callback(enabled);
        });
    });
}

void Autostart::setEnabled(bool on)
{
    const QString call = QStringLiteral("Autostart.setEnabled(") + boolText(on) + QStringLiteral(")");
    if (const std::optional<UserText> failure = m_service->setRegistered(on)) {
        m_log.error(call + QStringLiteral(" failed: ") + failure->english());
        throw DescribedError(*failure);
    }
    // Called from a worker by the menu: the state is the main thread's.
    if (QThread::currentThread() == QCoreApplication::instance()->thread()) {
        m_state->lastKnownEnabled = on;
    } else {
        Workers::post(QCoreApplication::instance(), [state = std::weak_ptr<State>(m_state), on] {
            if (const std::shared_ptr<State> alive = state.lock())
                alive->lastKnownEnabled = on;
        });
    }
    m_log.info(call + QStringLiteral(" succeeded"));
}
