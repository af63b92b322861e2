#pragma once

#include "platform/CommandRunner.h"

/// Runs commands with QProcess on the calling thread.
class ProcessCommandRunner final : public CommandRunner {
public:
    Result run(const QString &program, const QStringList &arguments, const Limits &limits) override;
};
