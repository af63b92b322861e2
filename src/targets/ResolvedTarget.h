#pragma once

#include "detection/MountedCard.h"
#include "rules/Rule.h"

#include <QString>
#include <QUrl>

#include <optional>

/// The outcome of resolving one rule on one card: what to open and what to select.
struct ResolvedTarget {
    MountedCard card;
    Rule rule;
    QUrl folder; ///< always inside the card
    QString relativePath; ///< folder below the card root; empty for the root
    bool usedFallbackToRoot = false;
    std::optional<QString> newestFolderName;
    std::optional<QUrl> newestFile;
    std::optional<QString> note; ///< present only after a fallback to the root
    std::optional<QString> englishNote; ///< the note in English, for the log and for scripts

    friend bool operator==(const ResolvedTarget &, const ResolvedTarget &) = default;
};
