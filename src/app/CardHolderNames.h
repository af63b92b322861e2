#pragma once

#include "platform/MountUsers.h"

#include <QStringList>

#include <functional>
#include <optional>

/// The programs a user knows as holding a card, from the processes that use it: a helper
/// process (a thumbnailer, a KIO worker, a gvfs daemon, a sandbox around one) goes by the
/// program it works for where its parent is that program; each program by its desktop
/// entry's Name, else its short name.
namespace CardHolderNames {
using Lookup = std::function<std::optional<MountUsers::Process>(qint64 pid)>;

/// The names, each once, sorted; `self` (Mirvale's own process) is left out.
QStringList of(const QList<MountUsers::Process> &users, const Lookup &lookup, qint64 self);
/// True for a process that only works for another program.
bool isHelper(const MountUsers::Process &process);
} // namespace CardHolderNames
