#pragma once

#include <QString>
#include <QVariant>

/// The application's small persistent preferences, kept apart from the rules and settings
/// files: values by key that survive restarts.
class StateStore {
public:
    virtual ~StateStore() = default;

    /// The stored value; an invalid QVariant when the key is absent.
    virtual QVariant value(const QString &key) const = 0;
    /// Stores the value; it reaches the disk soon after, replacing the file whole.
    virtual void setValue(const QString &key, const QVariant &value) = 0;
};
