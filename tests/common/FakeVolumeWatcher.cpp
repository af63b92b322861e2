#include "common/FakeVolumeWatcher.h"

#include <QCoreApplication>

namespace {

/// Answers on a later turn of the main loop, as the real watcher does.
void later(std::function<void()> answer)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(answer), Qt::QueuedConnection);
}

} // namespace

void FakeVolumeWatcher::scanExistingAsync(ScanCallback completion)
{
    const QList<MountedCard> cards = m_existing;
    later([completion, cards] { completion(cards); });
}

void FakeVolumeWatcher::observeCardsChanged(QObject *context, std::function<void()> observer)
{
    connect(this, &FakeVolumeWatcher::cardsChanged, context, std::move(observer));
}

void FakeVolumeWatcher::setCards(const QList<MountedCard> &mounted, const QList<DetectedCard> &detected)
{
    m_mounted = mounted;
    m_detected = detected;
    emit cardsChanged();
}

void FakeVolumeWatcher::mount(const DetectedCard &card, RequestCompletion completion)
{
    m_mountRequests.append(card);
    const std::optional<MirvaleError> error = m_requestError;
    later([completion, error] { completion(error); });
}

void FakeVolumeWatcher::eject(const MountedCard &card, RequestCompletion completion)
{
    m_ejectRequests.append(card);
    const std::optional<MirvaleError> error = m_requestError;
    later([completion, error] { completion(error); });
}

void FakeVolumeWatcher::makeCardAsync(const QUrl &url, CardCompletion completion)
{
    Q_UNUSED(url);
    const std::optional<MountedCard> card = m_madeCard;
    later([completion, card] { completion(card); });
}

void FakeVolumeWatcher::refreshFreeSpaceNow()
{
    ++m_freeSpaceRefreshes;
    if (onFreeSpaceRefresh)
        onFreeSpaceRefresh();
}
