#pragma once

#include "platform/StateStore.h"

#include <QSettings>

class Logger;

/// Mirvale's state (the remembered card names) in an INI file of its own, which the wiring
/// puts at $XDG_STATE_HOME/mirvale/state.ini.
class StateFile final : public StateStore {
public:
    explicit StateFile(const QString &filePath);

    /// The file to use at `filePath`: an `earlierPath` that earlier versions wrote is moved
    /// there once. When both exist the new one wins and the earlier is left; when the move
    /// fails it is logged and the earlier file is used as it is.
    static QString moveEarlier(const QString &filePath, const QString &earlierPath, Logger &log);

    QVariant value(const QString &key) const override;
    void setValue(const QString &key, const QVariant &value) override;

private:
    mutable QSettings m_settings;
};
