#pragma once

#include "detection/MountedCard.h"
#include "platform/EntryAttributeSource.h"
#include "rules/Rule.h"
#include "targets/ResolvedTarget.h"

#include <QStringList>
#include <QUrl>

#include <optional>

class Logger;

/// Which rule applies to a card, and which folder and file on the card to show.
/// Every path handed out lies inside the card: anything reached through a symbolic link that
/// leaves the card is treated as missing.
namespace TargetResolver {

/// The first enabled rule that matches the card, or none. Named rules beat catch-all rules;
/// a catch-all rule whose folder is not on the card is passed over. `log`, when given,
/// receives the containment warnings of the folder lookups.
std::optional<Rule> firstMatch(
    const RuleList &rules, const MountedCard &card, const EntryAttributeSource &files, Logger *log = nullptr);

/// Never fails: problems become a fallback to the card root with a note and log lines.
ResolvedTarget resolve(
    const Rule &rule, const MountedCard &card, Logger &log, const EntryAttributeSource &files);

/// The short name of what was opened: the relative path, or the card's name for the root.
QString describe(const ResolvedTarget &target);

/// A custom path as pieces below the card root: trimmed, outer slashes and empty pieces
/// dropped. None when a piece is ".." (or holds a NUL): such a path is refused.
std::optional<QStringList> sanitizedComponents(const QString &customPath);

/// Where `url` lies with every symbolic link resolved: at or below `root`, elsewhere, or
/// nowhere, because it or the root is gone or cannot be followed.
enum class Containment { Inside, Escapes, Missing, Unreadable };
Containment containment(const QUrl &url, const QUrl &root, const EntryAttributeSource &files);

/// Whether `url`, with every symbolic link resolved, is `root` or lies below it. False when
/// either cannot be resolved.
bool isContained(const QUrl &url, const QUrl &root, const EntryAttributeSource &files);

/// `folder` below `cardRoot` without a leading slash (links left alone); empty for the root.
QString relativePath(const QUrl &folder, const QUrl &cardRoot);

/// How the rule's folder is named in the fallback note and warning.
QString expectedFolderDescription(const Subfolder &subfolder);

} // namespace TargetResolver
