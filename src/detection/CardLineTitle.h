#pragma once

#include "detection/DetectedCard.h"
#include "support/UserText.h"

#include <QString>

/// The title of a card's line in the menu, also listed by the control interface.
namespace CardLineTitle {

/// "EOS_DIGITAL — 31.9 GB free", "… — free space unknown", "… — unmounted", or, for a card
/// resting ejected in its slot, "… — ejected by the system, pull it out and reinsert". The name
/// is shown as ShownText::isolated shows it.
QString title(const DetectedCard &card);
/// The title in the user's language and in English (which the control interface lists, so
/// that scripts read the same words whatever the language).
UserText text(const DetectedCard &card);

} // namespace CardLineTitle
