#include "detection/DiskRequest.h"

#include "detection/CardRequests.h"
#include <QCoreApplication>
#include <QHash>
#include <QTimer>

#include <limits>

namespace {

// Main thread only, like every context.
QHash<quintptr, std::shared_ptr<DiskRequest>> &boxesByToken()
{
    static QHash<quintptr, std::shared_ptr<DiskRequest>> boxes;
    return boxes;
}

quintptr nextToken = 1;

} // namespace

DiskRequest::DiskRequest(QString deviceName, QString name, Completion completion, WatcherRef watcher,
    std::optional<QString> mountPath, Logger &logger, std::chrono::milliseconds grace)
    : m_deviceName(std::move(deviceName))
    , m_name(std::move(name))
    , m_completion(std::move(completion))
    , m_watcher(std::move(watcher))
    , m_mountPath(std::move(mountPath))
    , m_logger(logger)
    , m_grace(grace)
{
}

DiskRequest::~DiskRequest() = default;

quintptr DiskRequest::registerForCallback()
{
    auto &boxes = boxesByToken();
    while (nextToken == 0 || boxes.contains(nextToken))
        nextToken = nextToken == std::numeric_limits<quintptr>::max() ? 1 : nextToken + 1;
    m_token = nextToken;
    nextToken = nextToken == std::numeric_limits<quintptr>::max() ? 1 : nextToken + 1;
    boxes.insert(m_token, shared_from_this());
    return m_token;
}

void DiskRequest::armTimeout(std::chrono::milliseconds limit, std::function<void()> onTimeout)
{
    m_timeout = std::make_unique<QTimer>();
    m_timeout->setSingleShot(true);
    m_timeout->setTimerType(Qt::PreciseTimer);
    // The timer belongs to the context; the closure must not keep the context alive.
    QObject::connect(m_timeout.get(), &QTimer::timeout, m_timeout.get(), std::move(onTimeout));
    m_timeout->start(limit);
}

void DiskRequest::cancelTimeout()
{
    if (m_timeout) {
        m_timeout->stop();
        // Deleting it later: cancelTimeout may run inside the timer's own signal.
        m_timeout.release()->deleteLater();
    }
}

void DiskRequest::finish(const std::optional<MirvaleError> &error)
{
    if (m_isFinished)
        return;
    m_isFinished = true;
    cancelTimeout();
    if (m_watcher)
        m_watcher->forgetDARequest(this);
    scheduleGraceRemoval();
    // Dropped after the call, so whatever it captured goes with the request.
    const Completion completion = std::exchange(m_completion, nullptr);
    if (completion)
        completion(error);
}

void DiskRequest::scheduleGraceRemoval()
{
    if (m_token == 0 || boxesByToken().value(m_token).get() != this)
        return;
    const std::weak_ptr<DiskRequest> weak = weak_from_this();
    const quintptr token = m_token;
    QTimer::singleShot(m_grace, QCoreApplication::instance(), [weak, token] {
        const std::shared_ptr<DiskRequest> self = weak.lock();
        auto &boxes = boxesByToken();
        if (!self || boxes.value(token) != self)
            return;
        boxes.remove(token);
        self->m_logger.warn(QStringLiteral("udisks2 never claimed its context for ") + self->m_name
            + QStringLiteral("; released it"));
    });
}

std::shared_ptr<DiskRequest> DiskRequest::claim(quintptr token)
{
    if (token == 0)
        return nullptr;
    return boxesByToken().take(token);
}

void DiskRequest::dropBoxes(const CardRequests *watcher)
{
    boxesByToken().removeIf([watcher](const QHash<quintptr, std::shared_ptr<DiskRequest>>::iterator &entry) {
        const CardRequests *owner = entry.value()->m_watcher.data();
        return !owner || owner == watcher;
    });
}

int DiskRequest::registeredCount()
{
    return int(boxesByToken().size());
}
