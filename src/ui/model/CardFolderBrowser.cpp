#include "ui/model/CardFolderBrowser.h"

#include "platform/FolderLister.h"
#include "support/MainQueue.h"
#include "support/SerialQueue.h"
#include <QCoreApplication>

CardFolderBrowser::CardFolderBrowser(const FolderLister *lister)
    : m_lister(lister)
    , m_generation(std::make_shared<std::atomic<quint64>>(0))
    , m_lifetime(std::make_shared<int>(0))
    , m_queue(std::make_unique<SerialQueue>(QStringLiteral("io.github.mirvale.browseScan")))
{
}

CardFolderBrowser::~CardFolderBrowser()
{
    m_generation->fetch_add(1);
}

void CardFolderBrowser::open(const QList<MountedCard> &cards, const VolumeMatch &match)
{
    MIRVALE_ASSERT_MAIN_THREAD();
    m_isOpen = true;
    m_cards = cards;
    m_selectedCardIndex = preselectedIndex(cards, match);
    reload();
}

void CardFolderBrowser::close()
{
    MIRVALE_ASSERT_MAIN_THREAD();
    m_isOpen = false;
    m_generation->fetch_add(1);
    m_cards.clear();
    m_entries.clear();
    m_isLoading = false;
    m_selectedCardIndex = 0;
}

void CardFolderBrowser::setCards(const QList<MountedCard> &cards)
{
    MIRVALE_ASSERT_MAIN_THREAD();
    if (!m_isOpen)
        return;
    const QString selectedName = m_selectedCardIndex >= 0 && m_selectedCardIndex < m_cards.size()
        ? m_cards.at(m_selectedCardIndex).name
        : QString();
    m_cards = cards;
    m_selectedCardIndex = 0;
    for (int index = 0; index < cards.size(); ++index) {
        if (cards.at(index).name == selectedName) {
            m_selectedCardIndex = index;
            break;
        }
    }
    reload();
}

void CardFolderBrowser::selectCard(int index)
{
    MIRVALE_ASSERT_MAIN_THREAD();
    if (!m_isOpen)
        return;
    m_selectedCardIndex = index;
    reload();
}

int CardFolderBrowser::rowCount() const
{
    return m_isLoading ? 1 : int(m_entries.size());
}

QString CardFolderBrowser::rowText(int row) const
{
    if (m_isLoading)
        return row == 0 ? loadingText() : QString();
    if (row < 0 || row >= m_entries.size())
        return QString();
    const Entry &entry = m_entries.at(row);
    const QString last = entry.path.section(QLatin1Char('/'), -1);
    return QString(5 * qMax(0, entry.depth - 1), QLatin1Char(' ')) + last;
}

std::optional<QString> CardFolderBrowser::pathForRow(int row) const
{
    if (m_isLoading || row < 0 || row >= m_entries.size())
        return std::nullopt;
    return m_entries.at(row).path;
}

int CardFolderBrowser::preselectedIndex(const QList<MountedCard> &cards, const VolumeMatch &match)
{
    if (match.isAnyCard() || match.name().isEmpty())
        return 0;
    for (int index = 0; index < cards.size(); ++index) {
        if (cards.at(index).name.compare(match.name(), Qt::CaseInsensitive) == 0)
            return index;
    }
    return 0;
}

QString CardFolderBrowser::loadingText()
{
    return QCoreApplication::translate("CardFolderBrowser", "Loading\u2026");
}

void CardFolderBrowser::reload()
{
    const quint64 generation = m_generation->fetch_add(1) + 1;
    m_entries.clear();
    if (m_selectedCardIndex < 0 || m_selectedCardIndex >= m_cards.size()) {
        m_isLoading = false;
        changed();
        return;
    }
    m_isLoading = true;
    changed();

    const MountedCard card = m_cards.at(m_selectedCardIndex);
    const FolderLister *lister = m_lister;
    const std::shared_ptr<std::atomic<quint64>> current = m_generation;
    const std::weak_ptr<int> alive = m_lifetime;
    m_queue->async([this, lister, current, alive, generation, card] {
        const auto isStale = [current, generation] { return current->load() != generation; };
        QList<Entry> found;
        if (lister && !isStale())
            found = CardFolderScan::listDirectories(*lister, card.path(), 2, isStale);
        MainQueue::async([this, alive, generation, url = card.url, found] {
            // The browser is destroyed on the main thread too, so it cannot go away between
            // this check and the call.
            if (alive.lock())
                apply(generation, url, found);
        });
    });
}

void CardFolderBrowser::apply(quint64 generation, const QUrl &cardUrl, const QList<Entry> &entries)
{
    // Only the answer to the latest listing counts, and only for the card still selected.
    if (!m_isOpen || generation != m_generation->load())
        return;
    if (m_selectedCardIndex < 0 || m_selectedCardIndex >= m_cards.size()
        || m_cards.at(m_selectedCardIndex).url != cardUrl)
        return;
    m_isLoading = false;
    m_entries = entries;
    changed();
}

void CardFolderBrowser::changed()
{
    if (onChanged)
        onChanged();
}
