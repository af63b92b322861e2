#include "common/FakeVolumeWatcher.h"

#include "support/MainQueue.h"

void FakeVolumeWatcher::scanExistingAsync(ScanCallback completion)
{
    const QList<MountedCard> cards = m_existing;
    MainQueue::async([completion, cards] { completion(cards); });
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
    MainQueue::async([completion, error] { completion(error); });
}

void FakeVolumeWatcher::eject(const MountedCard &card, RequestCompletion completion)
{
    m_ejectRequests.append(card);
    const std::optional<MirvaleError> error = m_requestError;
    MainQueue::async([completion, error] { completion(error); });
}

void FakeVolumeWatcher::makeCardAsync(const QUrl &url, CardCompletion completion)
{
    Q_UNUSED(url);
    const std::optional<MountedCard> card = m_madeCard;
    MainQueue::async([completion, card] { completion(card); });
}

void FakeVolumeWatcher::refreshFreeSpaceNow()
{
    ++m_freeSpaceRefreshes;
    if (onFreeSpaceRefresh)
        onFreeSpaceRefresh();
}
