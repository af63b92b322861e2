#pragma once

#include "detection/MountedCard.h"

#include <QList>
#include <QStringList>

/// The "Test rule on card…" pull-down: a title item, then one item per mounted card.
class TestMenuModel {
public:
    /// Rebuilds the items when the cards' mount paths differ from those the items were
    /// last built from; true when they changed.
    bool rebuild(const QList<MountedCard> &cards);

    /// Item 0 is the title "Test rule on card…" and never a card.
    QStringList items() const;
    /// Item `index` indexes `cards` with the title skipped: -1 for the title or out of range.
    static int cardIndexForItem(int index, qsizetype cardCount);

    static QString title();

private:
    QStringList m_lastCardPaths;
    QList<MountedCard> m_cards;
    bool m_built = false;
};
