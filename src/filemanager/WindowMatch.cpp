#include "filemanager/WindowMatch.h"

namespace WindowMatch {

std::optional<WindowService::WindowId> pick(const WindowService::Clients &before,
    const WindowService::Clients &after, qint64 owner, const ProcessOf &processOf)
{
    return pick(before, after, [&](WindowService::WindowId window) { return processOf(window) == owner; });
}

std::optional<WindowService::WindowId> pick(
    const WindowService::Clients &before, const WindowService::Clients &after, const Test &fits)
{
    if (after.active && after.windows.contains(*after.active)) {
        const WindowService::WindowId active = *after.active;
        const bool isNew = !before.windows.contains(active);
        const bool newlyActive = before.active != after.active;
        if ((isNew || newlyActive) && fits(active))
            return active;
    }
    // A new window that the window manager kept in the background (focus-stealing prevention).
    for (auto it = after.windows.crbegin(); it != after.windows.crend(); ++it) {
        if (!before.windows.contains(*it) && fits(*it))
            return *it;
    }
    return std::nullopt;
}

bool titleShows(const QString &title, const QString &folder)
{
    QString path = folder;
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    const QString name = path == QLatin1String("/") ? path : path.section(QLatin1Char('/'), -1);
    if (name.isEmpty())
        return false;
    // A name alone or before the program's name; a path as the whole title or before a name.
    for (const QString &shown : { name, path }) {
        if (title == shown || title.startsWith(shown + QLatin1Char(' ')))
            return true;
    }
    return false;
}

bool titleShowsFolderUpTo(const QString &title, const QString &folder, const QString &root)
{
    for (QString path = folder; path.size() >= root.size() && !path.isEmpty();
         path = path.section(QLatin1Char('/'), 0, -2)) {
        if (titleShows(title, path))
            return true;
        if (path == root)
            break;
    }
    return false;
}

} // namespace WindowMatch
