#include "app/CardHolderNames.h"

#include "support/LocalizedCompare.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// How far up a chain of helpers the program they work for is looked for.
constexpr int kMaxHelperDepth = 6;

bool isHelperName(const QString &name)
{
    static const char *const prefixes[]
        = { "kioslave", "kioworker", "kio_", "kiod", "kdeinit", "gvfs", "tumbler", "bwrap", "glycin" };
    if (name.contains(QLatin1String("thumbnail")) || name.endsWith(QLatin1String(".so")))
        return true;
    return std::any_of(std::begin(prefixes), std::end(prefixes),
        [&name](const char *prefix) { return name.startsWith(QLatin1String(prefix)); });
}

// Processes that start programs for everyone: a helper they started works for nobody in particular.
bool startsForEveryone(const MountUsers::Process &process)
{
    static const char *const names[]
        = { "systemd", "init", "dbus-daemon", "dbus-broker", "dbus-broker-launch", "dbus-run-session",
              "klauncher", "kded5", "kded6", "gnome-session-binary", "xfce4-session" };
    return process.pid <= 1 || std::any_of(std::begin(names), std::end(names), [&process](const char *name) {
        return process.command == QLatin1String(name);
    });
}

QString nameOf(const MountUsers::Process &process)
{
    return process.programName.isEmpty() ? process.command : process.programName;
}

} // namespace

bool CardHolderNames::isHelper(const MountUsers::Process &process)
{
    return isHelperName(process.command.toLower())
        || isHelperName(QFileInfo(process.executable).fileName().toLower());
}

QStringList CardHolderNames::of(const QList<MountUsers::Process> &users, const Lookup &lookup, qint64 self)
{
    QStringList names;
    for (const MountUsers::Process &user : users) {
        if (user.pid == self)
            continue;
        MountUsers::Process named = user;
        MountUsers::Process current = user;
        for (int depth = 0; depth < kMaxHelperDepth && isHelper(current); ++depth) {
            const std::optional<MountUsers::Process> parent
                = current.parent > 0 && lookup ? lookup(current.parent) : std::nullopt;
            if (!parent || startsForEveryone(*parent) || parent->pid == self)
                break;
            current = *parent;
            if (!isHelper(current))
                named = current;
        }
        const QString name = nameOf(named);
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    }
    std::sort(names.begin(), names.end(),
        [](const QString &a, const QString &b) { return LocalizedCompare::compare(a, b) < 0; });
    return names;
}
