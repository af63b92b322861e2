#pragma once

#include "detection/MountedCard.h"
#include "rules/VolumeMatch.h"
#include "ui/model/CardFolderScan.h"

#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class FolderLister;

/// What the "Browse Card" sheet shows: the cards, the selected one and its folders. Lists a
/// card on the card-read pool and keeps only the answer for the card selected last.
class CardFolderBrowser : public QObject {
    Q_OBJECT
public:
    using Entry = CardFolderScan::Entry;

    /// `lister` must outlive the browser; none lists nothing.
    explicit CardFolderBrowser(const FolderLister *lister);
    ~CardFolderBrowser();

    CardFolderBrowser(const CardFolderBrowser &) = delete;
    CardFolderBrowser &operator=(const CardFolderBrowser &) = delete;

    /// Starts a browsing session: the card named by `match` (case ignored) is preselected,
    /// else the first card, and listed.
    void open(const QList<MountedCard> &cards, const VolumeMatch &match);
    /// Ends the session; answers still on their way are dropped.
    void close();
    bool isOpen() const { return m_isOpen; }

    /// The card list changed: keeps the card with the same name selected, else the first.
    void setCards(const QList<MountedCard> &cards);
    /// Selects and lists another card.
    void selectCard(int index);

    const QList<MountedCard> &cards() const { return m_cards; }
    int selectedCardIndex() const { return m_selectedCardIndex; }
    bool isLoading() const { return m_isLoading; }
    const QList<Entry> &entries() const { return m_entries; }

    /// One "Loading…" row while loading, else one row per entry.
    int rowCount() const;
    /// The last path component, indented by five spaces per level below the first.
    QString rowText(int row) const;
    bool rowIsPlaceholder(int row) const { return m_isLoading && row == 0; }
    /// The entry's path when `row` can be chosen (not loading, a valid entry).
    std::optional<QString> pathForRow(int row) const;

    /// The card whose name equals the match's volume name ignoring case, else 0.
    static int preselectedIndex(const QList<MountedCard> &cards, const VolumeMatch &match);

    static QString loadingText();

signals:
    /// The cards, the selection, the entries or the loading state changed.
    void changed();

private:
    void reload();
    void apply(quint64 generation, const QUrl &cardUrl, const QList<Entry> &entries);

    const FolderLister *m_lister;
    QList<MountedCard> m_cards;
    QList<Entry> m_entries;
    int m_selectedCardIndex = 0;
    bool m_isLoading = false;
    bool m_isOpen = false;
    // Bumped for every listing and on close, so that a walk that is no longer wanted stops
    // early and its answer is recognised as stale.
    std::shared_ptr<std::atomic<quint64>> m_generation;
};
