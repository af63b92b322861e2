#include "support/GlobalQueue.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace {

class Pool {
public:
    static constexpr int kThreads = 4;

    // Never destroyed: quitting does not wait for work stuck on a hung card or command; such
    // work holds what it uses and ends with the process.
    static Pool &instance()
    {
        static Pool *const pool = new Pool;
        return *pool;
    }

    void post(std::function<void()> work)
    {
        {
            std::lock_guard lock(m_mutex);
            m_work.push_back(std::move(work));
        }
        m_wake.notify_one();
    }

private:
    Pool()
    {
        for (int i = 0; i < kThreads; ++i)
            m_threads.emplace_back([this] { run(); });
    }

    void run()
    {
        std::unique_lock lock(m_mutex);
        while (true) {
            m_wake.wait(lock, [this] { return m_stopping || !m_work.empty(); });
            if (m_stopping)
                return;
            auto work = std::move(m_work.front());
            m_work.pop_front();
            lock.unlock();
            work();
            work = nullptr;
            lock.lock();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_work;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};

} // namespace

void GlobalQueue::async(std::function<void()> work)
{
    Pool::instance().post(std::move(work));
}
