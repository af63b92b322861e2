#pragma once

#include <QString>

/// Texts Mirvale does not own (card names, paths) as they go on screen: exactly as they are,
/// unable to reorder Mirvale's own words around them, and escaped for the medium that shows
/// them.
namespace ShownText {

/// Control characters, bidirectional controls and line separators made visible: C0 controls
/// and DEL as their control pictures ("␊"), the others as "<U+202E>".
QString visible(const QString &text);

/// `visible(text)`, set in a first-strong isolate (U+2068 … U+2069) when it holds right-to-left
/// text, so that it cannot reorder the words around it; left-to-right text stays as it is.
QString isolated(const QString &text);

/// A line for a terminal: the isolates that isolated() sets stay characters, so the terminal
/// orders the text as the menu does; every other control, bidirectional control and
/// unpaired isolate is written as LogLine::escaped writes it.
QString forTerminal(const QString &text);

/// `text` for a word-wrapped label, which breaks lines only where words end: its long runs
/// without a space (paths, file names) get invisible break opportunities (U+200B) after each
/// `/` and at least every few characters, never inside a character. For showing only.
QString wrappable(const QString &text);

/// The text of a menu entry that Qt draws itself, where `&` marks a mnemonic.
QString forQtMenu(const QString &label);

/// The text of a menu entry that Qt exports over DBusMenu, so that a host shows `label`:
/// hosts read `_` as a mnemonic marker (a literal one is sent as `__`), and Qt turns the
/// first `&` before the last character into `_` on the way out.
QString forDBusMenu(const QString &label);

} // namespace ShownText
