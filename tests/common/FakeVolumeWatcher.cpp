#include "common/FakeVolumeWatcher.h"

#include "support/MainQueue.h"

void FakeVolumeWatcher::scanExistingAsync(ScanCallback completion)
{
    const QList<MountedCard> cards = m_existing;
    MainQueue::async([completion, cards] { completion(cards); });
}
