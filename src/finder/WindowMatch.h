#pragma once

#include "platform/WindowService.h"

#include <functional>
#include <optional>

/// Telling which window the file manager opened or raised for a request, from the windows
/// before the request and after it.
namespace WindowMatch {

using ProcessOf = std::function<std::optional<qint64>(WindowService::WindowId)>;

/// A window of process `owner` that is new since `before` or newly active: the active one
/// first, else the newest new one. `processOf` is asked only about new or active windows.
std::optional<WindowService::WindowId> pick(const WindowService::Clients &before,
    const WindowService::Clients &after, qint64 owner, const ProcessOf &processOf);

} // namespace WindowMatch
