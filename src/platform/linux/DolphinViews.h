#pragma once

#include "platform/FileManagerViews.h"

#include <QDBusConnection>

/// Dolphin's windows over the session bus: each of its processes owns org.kde.dolphin-PID and
/// exports its windows as /dolphin/Dolphin_N, which answer whether they show a folder
/// (isUrlOpen) and run their actions (activateAction "go_home"). Other file managers offer no
/// such thing to a client. Blocking calls: use off the main thread.
class DolphinViews final : public FileManagerViews {
public:
    explicit DolphinViews(QDBusConnection bus);
    Outcome moveToHome(const QString &program, const QStringList &folders) override;

private:
    QStringList windowsOf(const QString &service);
    bool showsAny(const QString &service, const QString &window, const QStringList &urls);

    QDBusConnection m_bus;
};
