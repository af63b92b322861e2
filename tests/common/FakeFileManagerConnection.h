#pragma once

#include "platform/FileManagerConnection.h"

#include <QList>

#include <condition_variable>
#include <deque>
#include <mutex>

/// A file manager connection with scripted answers. Each request takes the next step (or the
/// default one); a hanging step blocks in perform() until the test releases it.
class FakeFileManagerConnection final : public FileManagerConnection {
public:
    struct Step {
        Result result = FileManagerAnswer {};
        bool hang = false;
    };

    static Step succeed(FileManagerAnswer answer = {}) { return { std::move(answer), false }; }
    static Step fail(FileManagerFailure::Kind kind, QString detail = {})
    {
        return { FileManagerFailure { kind, std::move(detail) }, false };
    }
    static Step hangThen(Result result = FileManagerAnswer {}) { return { std::move(result), true }; }

    ~FakeFileManagerConnection() override;

    Result perform(const FileManagerRequest &request) override;
    /// Requests hung now return a time-out failure instead of their result. (Later ones run
    /// as scripted: tests hand one connection to several clients in turn.)
    void cancel() override;

    void enqueue(Step step);
    void setDefault(Step step);
    /// Lets every hung request (now and later) return its result.
    void releaseHung();

    QList<FileManagerRequest> performed() const;
    int hungCount() const;
    int finishedCount() const;
    bool isCancelled() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_released;
    std::deque<Step> m_steps;
    Step m_default;
    QList<FileManagerRequest> m_performed;
    int m_hung = 0;
    int m_finished = 0;
    bool m_releaseHung = false;
    int m_cancellations = 0;
};
