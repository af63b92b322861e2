#include "finder/FinderScripts.h"

// Provisional: placements pass unchanged until the clamping is written.
Placement FinderScripts::clamp(const Placement &placement, const ScreenSnapshot &)
{
    return placement;
}
