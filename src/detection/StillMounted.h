#pragma once

#include "detection/MountedCard.h"
#include "platform/MountTable.h"

/// Whether a card is still mounted where it was found. A card can be pulled while it waits
/// for its turn; it is then neither resolved nor opened. Any thread.
bool isStillMounted(const MountTable &table, const MountedCard &card);
