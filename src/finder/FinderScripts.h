#pragma once

#include "finder/ScreenSnapshot.h"
#include "rules/Placement.h"

/// The script texts sent to the file manager and the screen geometry behind placements.
namespace FinderScripts {

/// Keeps a window placement on a screen; unchanged when no screens are known.
Placement clamp(const Placement &placement, const ScreenSnapshot &screens);

} // namespace FinderScripts
