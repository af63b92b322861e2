#include "common/FakeScriptRunner.h"

namespace {

struct FakeCompiled final : ScriptRunner::Compiled {
    QString source;
    FakeScriptRunner::Step step;
};

} // namespace

FakeScriptRunner::~FakeScriptRunner()
{
    releaseHung();
}

std::unique_ptr<ScriptRunner::Compiled> FakeScriptRunner::compile(const QString &source)
{
    std::lock_guard lock(m_mutex);
    ++m_compiled;
    Step step = m_default;
    if (!m_steps.empty()) {
        step = m_steps.front();
        m_steps.pop_front();
    }
    if (step.failCompile)
        return nullptr;
    auto compiled = std::make_unique<FakeCompiled>();
    compiled->source = source;
    compiled->step = step;
    return compiled;
}

ScriptRunner::Result FakeScriptRunner::execute(const Compiled &script, bool /*takesFocus*/)
{
    const auto &compiled = static_cast<const FakeCompiled &>(script);
    std::unique_lock lock(m_mutex);
    m_executed.append(compiled.source);
    if (compiled.step.hang) {
        ++m_hung;
        const int cancellations = m_cancellations;
        m_released.wait(lock, [&] { return m_releaseHung || m_cancellations != cancellations; });
        --m_hung;
        if (m_cancellations != cancellations) {
            ++m_finished;
            return Failure { -1712, QStringLiteral("cancelled") };
        }
    }
    ++m_finished;
    return compiled.step.result;
}

void FakeScriptRunner::cancel()
{
    {
        std::lock_guard lock(m_mutex);
        ++m_cancellations;
    }
    m_released.notify_all();
}

bool FakeScriptRunner::isCancelled() const
{
    std::lock_guard lock(m_mutex);
    return m_cancellations > 0;
}

void FakeScriptRunner::enqueue(Step step)
{
    std::lock_guard lock(m_mutex);
    m_steps.push_back(std::move(step));
}

void FakeScriptRunner::setDefault(Step step)
{
    std::lock_guard lock(m_mutex);
    m_default = std::move(step);
}

void FakeScriptRunner::releaseHung()
{
    {
        std::lock_guard lock(m_mutex);
        m_releaseHung = true;
    }
    m_released.notify_all();
}

QStringList FakeScriptRunner::executed() const
{
    std::lock_guard lock(m_mutex);
    return m_executed;
}

int FakeScriptRunner::compiledCount() const
{
    std::lock_guard lock(m_mutex);
    return m_compiled;
}

int FakeScriptRunner::hungCount() const
{
    std::lock_guard lock(m_mutex);
    return m_hung;
}

int FakeScriptRunner::finishedCount() const
{
    std::lock_guard lock(m_mutex);
    return m_finished;
}
