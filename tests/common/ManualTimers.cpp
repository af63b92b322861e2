#include "common/ManualTimers.h"

#include <algorithm>

namespace {

class ManualTimer final : public TimerScheduler::Timer {
public:
    explicit ManualTimer(std::shared_ptr<bool> armed)
        : m_armed(std::move(armed))
    {
    }
    ~ManualTimer() override { *m_armed = false; }

private:
    std::shared_ptr<bool> m_armed;
};

} // namespace

std::unique_ptr<TimerScheduler::Timer> ManualTimers::start(
    std::chrono::milliseconds delay, std::function<void()> fire)
{
    auto armed = std::make_shared<bool>(true);
    m_entries.push_back({ m_now + delay, m_sequence++, std::move(fire), armed });
    return std::make_unique<ManualTimer>(armed);
}

void ManualTimers::advance(std::chrono::milliseconds by)
{
    const auto target = m_now + by;
    for (;;) {
        std::erase_if(m_entries, [](const Entry &entry) { return !*entry.armed; });
        const auto next
            = std::min_element(m_entries.begin(), m_entries.end(), [](const Entry &a, const Entry &b) {
                  return a.due != b.due ? a.due < b.due : a.sequence < b.sequence;
              });
        if (next == m_entries.end() || next->due > target)
            break;
        Entry entry = std::move(*next);
        m_entries.erase(next);
        m_now = entry.due;
        *entry.armed = false;
        entry.fire();
    }
    m_now = target;
}

int ManualTimers::pending() const
{
    return int(
        std::count_if(m_entries.begin(), m_entries.end(), [](const Entry &entry) { return *entry.armed; }));
}
