#pragma once

/// Whether see-through window parts show as such. On X11 that takes a compositing manager;
/// without one, translucent pixels come out black, so round windows need a shape instead.
namespace X11Compositing {
/// True unless this is an X11 display without a compositing manager.
bool isRunning();
} // namespace X11Compositing
