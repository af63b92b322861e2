#include "ui/model/TestMenuModel.h"
#include <QCoreApplication>

bool TestMenuModel::rebuild(const QList<MountedCard> &cards)
{
    QStringList paths;
    paths.reserve(cards.size());
    for (const MountedCard &card : cards)
        paths.append(card.path());
    if (m_built && paths == m_lastCardPaths)
        return false;
    m_built = true;
    m_lastCardPaths = paths;
    m_cards = cards;
    return true;
}

QStringList TestMenuModel::items() const
{
    QStringList items { title() };
    for (const MountedCard &card : m_cards)
        items.append(card.name);
    return items;
}

int TestMenuModel::cardIndexForItem(int index, qsizetype cardCount)
{
    const int card = index - 1;
    return card >= 0 && card < cardCount ? card : -1;
}

QString TestMenuModel::title()
{
    return QCoreApplication::translate("TestMenuModel", "Test rule on card\u2026");
}
