#pragma once

#include "detection/DetectedCard.h"

#include <QString>

/// The title of a card's line in the tray menu.
namespace CardLineTitle {
/// "EOS_DIGITAL — 31.9 GB free", "… — free space unknown" or "… — unmounted".
QString title(const DetectedCard &card);
} // namespace CardLineTitle
