#pragma once

#include "detection/MountedCard.h"

namespace TestCards {

/// A mounted card named `name` at `path`, with nothing else known about it.
MountedCard mountedAt(const QString &name, const QString &path);

} // namespace TestCards
