#include "finder/WindowMatch.h"

namespace WindowMatch {

std::optional<WindowService::WindowId> pick(const WindowService::Clients &before,
    const WindowService::Clients &after, qint64 owner, const ProcessOf &processOf)
{
    const auto owned = [&](WindowService::WindowId window) { return processOf(window) == owner; };

    if (after.active && after.windows.contains(*after.active)) {
        const WindowService::WindowId active = *after.active;
        const bool isNew = !before.windows.contains(active);
        const bool newlyActive = before.active != after.active;
        if ((isNew || newlyActive) && owned(active))
            return active;
    }
    // A new window that the window manager kept in the background (focus-stealing prevention).
    for (auto it = after.windows.crbegin(); it != after.windows.crend(); ++it) {
        if (!before.windows.contains(*it) && owned(*it))
            return *it;
    }
    return std::nullopt;
}

} // namespace WindowMatch
