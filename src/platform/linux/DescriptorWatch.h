#pragma once

#include <functional>

class QSocketNotifier;

/// Calls back on the main thread whenever a file descriptor becomes readable. It may be
/// stopped from inside its own callback.
class DescriptorWatch {
public:
    DescriptorWatch() = default;
    /// Not to be destroyed from inside its own callback (stopping there is fine).
    ~DescriptorWatch();

    DescriptorWatch(const DescriptorWatch &) = delete;
    DescriptorWatch &operator=(const DescriptorWatch &) = delete;

    void start(int fd, std::function<void()> onReadable);
    void stop();
    bool isActive() const { return m_notifier != nullptr; }

private:
    QSocketNotifier *m_notifier = nullptr;
    bool m_inCallback = false;
};
