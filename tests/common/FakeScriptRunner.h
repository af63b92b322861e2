#pragma once

#include "platform/ScriptRunner.h"

#include <QStringList>

#include <condition_variable>
#include <deque>
#include <mutex>

/// A script runner with scripted answers. Each compiled script takes the next step (or the
/// default one); a hanging step blocks in execute() until the test releases it.
class FakeScriptRunner final : public ScriptRunner {
public:
    struct Step {
        Result result = QVariant(0);
        bool hang = false;
        bool failCompile = false;
    };

    static Step succeed(QVariant value = 0) { return { std::move(value), false, false }; }
    static Step fail(int number, QString message)
    {
        return { Failure { number, std::move(message) }, false, false };
    }
    static Step hangThen(Result result = QVariant(0)) { return { std::move(result), true, false }; }

    ~FakeScriptRunner() override;

    std::unique_ptr<Compiled> compile(const QString &source) override;
    Result execute(const Compiled &script, bool takesFocus) override;
    /// Scripts hung now return a time-out failure instead of their result. (Later ones run
    /// as scripted: tests hand one runner to several controllers in turn.)
    void cancel() override;

    void enqueue(Step step);
    void setDefault(Step step);
    /// Lets every hung script (now and later) return its result.
    void releaseHung();

    QStringList executed() const;
    int compiledCount() const;
    int hungCount() const;
    int finishedCount() const;
    bool isCancelled() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_released;
    std::deque<Step> m_steps;
    Step m_default;
    QStringList m_executed;
    int m_compiled = 0;
    int m_hung = 0;
    int m_finished = 0;
    bool m_releaseHung = false;
    int m_cancellations = 0;
};
