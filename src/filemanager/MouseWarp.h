#pragma once

#include "rules/MousePoint.h"

class Logger;
class PointerControl;

/// Moves the pointer to a rule's saved point and reads where it is now, both in top-left
/// coordinates of the primary screen, in whole points.
namespace MouseWarp {

/// Sends the pointer to `point`, held within the ranges validation accepts, and logs where;
/// main thread.
void warp(const MousePoint &point, PointerControl &pointer, Logger &log);
/// The pointer's position rounded to whole points (halves away from zero); main thread.
MousePoint currentPosition(const PointerControl &pointer);

} // namespace MouseWarp
