#pragma once

#include "platform/StateStore.h"

#include <QHash>

/// User defaults held in memory; counts the writes.
class MemoryStateStore final : public StateStore {
public:
    QVariant value(const QString &key) const override { return m_values.value(key); }
    void setValue(const QString &key, const QVariant &value) override
    {
        m_values.insert(key, value);
        ++m_writes;
    }
    int writes() const { return m_writes; }

private:
    QHash<QString, QVariant> m_values;
    int m_writes = 0;
};
