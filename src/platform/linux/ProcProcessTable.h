#pragma once

#include "platform/ProcessTable.h"

/// The process table of /proc.
class ProcProcessTable final : public ProcessTable {
public:
    std::optional<qint64> parent(qint64 pid) override;
    std::optional<QString> executable(qint64 pid) override;
    std::optional<QHash<QString, QString>> environment(qint64 pid) override;
    QStringList libraries(qint64 pid) override;
};
