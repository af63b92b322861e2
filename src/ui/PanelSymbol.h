#pragma once

#include <QColor>
#include <QPixmap>

/// The symbols at the left of a report panel.
namespace PanelSymbol {

/// Mirvale's card outline in `color`, `size` pixels square. Drawn here until the menu-bar
/// icon's own drawing can be shared; callers only see this function.
QPixmap report(const QColor &color, int size, qreal devicePixelRatio);

/// A warning triangle: the icon theme's, else one of our own in orange.
QPixmap problem(int size, qreal devicePixelRatio);

} // namespace PanelSymbol
