#pragma once

#include "detection/DetectedCard.h"

#include <QString>

/// The title of a card's line in the menu, also listed by the control interface.
namespace CardLineTitle {

/// "EOS_DIGITAL — 31.9 GB free", "… — free space unknown", "… — unmounted", or, for a card
/// resting ejected in its slot, "… — ejected by the system, pull it out and reinsert". The name
/// is shown as ShownText::isolated shows it.
QString title(const DetectedCard &card);

} // namespace CardLineTitle
