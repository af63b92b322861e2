#pragma once

#include "ui/model/Tone.h"

#include <QColor>
#include <QPalette>

class QApplication;

/// Mirvale's look: the Fusion style with a light or a dark palette of its own, so that the
/// windows read the same on every desktop and both appearances are deliberate.
namespace Appearance {

enum class Mode { Light, Dark };

QPalette palette(Mode mode);
/// Sets the Fusion style and the palette of `mode` for the whole application.
void apply(QApplication &app, Mode mode);
/// Light or dark after the desktop: its colour-scheme preference when it has one,
/// else the palette the platform offered before ours.
Mode forDesktop(const QPalette &platformPalette);
bool isDark(const QPalette &palette);

/// The colour a tone is shown in on `palette` (the system red, orange and green, in their
/// light or dark variants; the secondary label colour).
QColor toneColor(Tone tone, const QPalette &palette);
/// Behind lists: darker than the window in the dark appearance, white in the light one.
QColor controlBackground(const QPalette &palette);
/// The keyboard focus ring: 3:1 and more against the window, the fields and their borders.
QColor focusRingColor(const QPalette &palette);
/// Hairlines between panes and around the list.
QColor separatorColor(const QPalette &palette);

} // namespace Appearance
