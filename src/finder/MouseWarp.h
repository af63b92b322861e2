#pragma once

#include "rules/MousePoint.h"

class Logger;
class PointerControl;

/// Moves the pointer to a rule's saved point and reads where it is now.
namespace MouseWarp {

void warp(const MousePoint &point, PointerControl &pointer, Logger &log);
MousePoint currentPosition(const PointerControl &pointer);

} // namespace MouseWarp
