#include "ui/model/CardFolderBrowser.h"

#include "platform/FolderLister.h"
#include "support/Workers.h"

#include <QCoreApplication>

CardFolderBrowser::CardFolderBrowser(const FolderLister *lister)
    : m_lister(lister)
    , m_generation(std::make_shared<std::atomic<quint64>>(0))
{
}

CardFolderBrowser::~CardFolderBrowser()
{
    m_generation->fetch_add(1);
}

void CardFolderBrowser::open(const QList<MountedCard> &cards, const VolumeMatch &match)
{
    m_isOpen = true;
    m_cards = cards;
    m_selectedCardIndex = preselectedIndex(cards, match);
    reload();
}

void CardFolderBrowser::close()
{
    m_isOpen = false;
    m_generation->fetch_add(1);
    m_cards.clear();
    m_entries.clear();
    m_isLoading = false;
    m_selectedCardIndex = 0;
}

void CardFolderBrowser::setCards(const QList<MountedCard> &cards)
{
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
    Workers::run(
        Workers::cardReads(), this,
        [lister, current, generation, card] {
            const auto isStale = [current, generation] { return current->load() != generation; };
            QList<Entry> found;
            if (lister && !isStale())
                found = CardFolderScan::listDirectories(*lister, card.path(), 2, isStale);
            return found;
        },
        [this, generation, url = card.url](const QList<Entry> &found) { apply(generation, url, found); });
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
