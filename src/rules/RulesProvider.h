#pragma once

#include "rules/AppSettings.h"
#include "rules/Rule.h"

#include <QObject>

/// The stored rules and settings as the pipeline and the views read them. Signals are
/// emitted on the main thread.
class RulesProvider : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /// Loads (seeding or recovering) the stored rules and settings.
    virtual void load() = 0;
    /// Copies of the current values; safe from any thread.
    virtual RuleList rules() const = 0;
    virtual AppSettings settings() const = 0;
    /// Takes effect at once and signals settingsChanged; persisting happens in the background.
    virtual void setSettings(const AppSettings &settings) = 0;

signals:
    void rulesChanged();
    void settingsChanged();
    /// A settings write failed; `message` is empty when the store had no reason to give.
    void settingsSaveFailed(const QString &message);
    /// A settings write reached the disk.
    void settingsSaved();
};
