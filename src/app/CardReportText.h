#pragma once

#include "detection/MountedCard.h"
#include "targets/ResolvedTarget.h"

#include "support/UserText.h"

#include <QString>

#include <optional>

/// The words of the panel that reports an opened card.
namespace CardReportText {
/// "Opened DCIM/101CANON · 12 files · 31.9 GB free"; the count and the free space only when known.
UserText openedBody(const MountedCard &card, const ResolvedTarget &target, std::optional<int> fileCount);
}
