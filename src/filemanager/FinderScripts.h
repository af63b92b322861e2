#pragma once

#include "platform/Placement.h"
#include "platform/ScreenSnapshot.h"

#include <QString>
#include <QUrl>

#include <optional>

/// The script texts sent to the file manager and the screen geometry behind placements.
/// Every function here is pure; the screen list itself comes from ScreenSource.
namespace FinderScripts {

/// The script-side limit of every script except the permission check.
inline constexpr int kScriptTimeoutSeconds = 7;

/// Escapes a value for a double-quoted literal: backslash, quote, line feed, carriage return
/// and tab, in that order.
QString escapeLiteral(const QString &value);

/// Puts `body` inside a tell block for Finder, indented, with an optional time limit.
QString wrapInFinderTell(const QString &body, std::optional<int> timeoutSeconds);

/// Opens or reuses a window on `folder`, optionally placing it and selecting `selectFile`.
QString openScript(
    const QUrl &folder, const std::optional<Placement> &placement, const std::optional<QUrl> &selectFile);

/// The harmless script whose answer shows that Finder may be driven (no time limit).
QString permissionCheckScript();
QString frontWindowBoundsScript();
QString activateScript();

/// The folder as scripts and logs name it: "." and ".." resolved, no trailing "/" except
/// for the root.
QString standardizedPath(const QUrl &folder);

/// Keeps a window placement within the ranges validation accepts and on a screen; only the
/// former when no screens are known.
Placement clamp(const Placement &placement, const ScreenSnapshot &screens);

} // namespace FinderScripts
