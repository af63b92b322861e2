#pragma once

#include "detection/VolumeWatching.h"

#include <QObject>

/// A watcher the test drives: it mounts cards by hand and decides what the launch scan finds,
/// what the card lists hold and how mount and eject requests end.
class FakeVolumeWatcher final : public QObject, public VolumeWatching {
    Q_OBJECT
public:
    explicit FakeVolumeWatcher(MountCallback onMount)
        : m_onMount(std::move(onMount))
    {
    }

    void start() override { m_started = true; }
    void scanExistingAsync(ScanCallback completion) override;
    void noteHandledAtLaunch(const QList<MountedCard> &cards) override { m_notedAtLaunch = cards; }

    QList<MountedCard> mountedCards() const override { return m_mounted; }
    QList<DetectedCard> detectedCards() const override { return m_detected; }
    void observeCardsChanged(QObject *context, std::function<void()> observer) override;
    void mount(const DetectedCard &card, RequestCompletion completion) override;
    void eject(const MountedCard &card, RequestCompletion completion) override;
    void makeCardAsync(const QUrl &url, CardCompletion completion) override;
    void refreshFreeSpaceNow() override;

    void mount(const MountedCard &card) { m_onMount(card); }
    void setExisting(const QList<MountedCard> &cards) { m_existing = cards; }
    /// Replaces both lists and tells the observers.
    void setCards(const QList<MountedCard> &mounted, const QList<DetectedCard> &detected);
    /// How the next mount or eject requests end; no error means success.
    void setRequestError(std::optional<MirvaleError> error) { m_requestError = std::move(error); }
    /// What makeCardAsync answers.
    void setMadeCard(std::optional<MountedCard> card) { m_madeCard = std::move(card); }

    bool isStarted() const { return m_started; }
    int freeSpaceRefreshes() const { return m_freeSpaceRefreshes; }
    /// Called on each refresh, as the watcher would go and measure.
    std::function<void()> onFreeSpaceRefresh;
    QList<MountedCard> notedAtLaunch() const { return m_notedAtLaunch; }
    QList<DetectedCard> mountRequests() const { return m_mountRequests; }
    QList<MountedCard> ejectRequests() const { return m_ejectRequests; }

signals:
    void cardsChanged();

private:
    MountCallback m_onMount;
    QList<MountedCard> m_existing;
    QList<MountedCard> m_notedAtLaunch;
    QList<MountedCard> m_mounted;
    QList<DetectedCard> m_detected;
    QList<DetectedCard> m_mountRequests;
    QList<MountedCard> m_ejectRequests;
    std::optional<MirvaleError> m_requestError;
    std::optional<MountedCard> m_madeCard;
    bool m_started = false;
    int m_freeSpaceRefreshes = 0;
};
