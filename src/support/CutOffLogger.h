#pragma once

#include "support/Logger.h"

#include <atomic>
#include <mutex>

/// A log for work that may outlive its owner (a disk command on a worker thread): lines pass
/// to the owner's log until the owner cuts them off, then they are dropped. cutOff() waits for
/// a line being written, so the owner's log may be destroyed once it returns.
class CutOffLogger final : public Logger {
public:
    explicit CutOffLogger(Logger &target);

    void write(Level level, const QString &message) override;

    void cutOff();
    bool isCutOff() const { return m_cutOff.load(); }

private:
    std::mutex m_mutex;
    Logger *m_target; // guarded by m_mutex; null once cut off
    std::atomic<bool> m_cutOff { false };
};
