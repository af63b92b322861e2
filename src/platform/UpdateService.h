#pragma once

#include <QObject>
#include <QString>

/// Where newer versions of Mirvale come from (on Linux, the package manager). The update
/// controller mirrors what it reports for the menu. Signals are emitted on the main thread.
class UpdateService : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /// Begins: finds out whether updates can be checked here and checks now and then.
    virtual void start() = 0;
    /// The user asked: checks now, or installs the newer version already found.
    virtual void checkForUpdates() = 0;

signals:
    /// Whether a check may start now; false while one runs and where updates cannot be had.
    void canCheckForUpdatesChanged(bool canCheck);
    /// A newer version was found without the user looking; the application announces it.
    void updateFound(const QString &displayVersion);
    /// The user has turned to the update (for example, started installing it).
    void userAttended();
    /// The update session is over, installed or not.
    void sessionFinished();
};
