#pragma once

#include "platform/FileManagerViews.h"

#include <QDBusConnection>

#include <optional>

/// What Dolphin and Nautilus offer over the session bus to take a window off a folder: each
/// of Dolphin's processes owns org.kde.dolphin-PID and exports its windows as
/// /dolphin/Dolphin_N, which answer whether they show a folder (isUrlOpen) and can be closed
/// (QWidget's close); Nautilus lists what its windows show (OpenWindowsWithLocations) and runs
/// a window's actions at /org/gnome/Nautilus/window/N (org.gtk.Actions "go-home", which moves
/// the window's active view). Other file managers offer no such thing. Blocking calls: use
/// off the main thread.
class BusFileManagerViews final : public FileManagerViews {
public:
    explicit BusFileManagerViews(QDBusConnection bus);
    Outcome takeOff(const QString &program, const QStringList &folders) override;

private:
    Outcome closeDolphinWindows(const QStringList &folders);
    Outcome moveNautilusHome(const QStringList &folders);
    QStringList dolphinWindowsOf(const QString &service);
    bool dolphinShowsAny(const QString &service, const QString &window, const QStringList &folders);
    /// Nautilus's windows that show one of `folders` in a tab; nothing when it did not answer.
    std::optional<QStringList> nautilusWindowsShowing(const QStringList &folders);
    static QString stayedText(const QString &program, const QStringList &windows);

    QDBusConnection m_bus;
};
