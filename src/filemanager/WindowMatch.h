#pragma once

#include "platform/WindowService.h"

#include <QString>

#include <functional>
#include <optional>

/// Telling which window the file manager opened or raised for a request, from the windows
/// before the request and after it, and what a window shows now, from its title.
namespace WindowMatch {

using ProcessOf = std::function<std::optional<qint64>(WindowService::WindowId)>;
using Test = std::function<bool(WindowService::WindowId)>;

/// A window of process `owner` that is new since `before` or newly active: the active one
/// first, else the newest new one. `processOf` is asked only about new or active windows.
std::optional<WindowService::WindowId> pick(const WindowService::Clients &before,
    const WindowService::Clients &after, qint64 owner, const ProcessOf &processOf);
/// The same with any test of the window; `fits` is asked only about new or active windows.
std::optional<WindowService::WindowId> pick(
    const WindowService::Clients &before, const WindowService::Clients &after, const Test &fits);

/// True when a file manager's window title names `folder`: its name alone ("101CANON"),
/// followed by the program's name ("101CANON - Thunar"), or its whole path.
bool titleShows(const QString &title, const QString &folder);
/// True when the title names `folder` or one of the folders above it up to `root`.
bool titleShowsFolderUpTo(const QString &title, const QString &folder, const QString &root);

} // namespace WindowMatch
