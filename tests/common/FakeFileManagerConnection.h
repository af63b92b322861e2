#pragma once

#include "platform/FileManagerConnection.h"

#include <QList>
#include <QObject>

#include <deque>
#include <utility>
#include <vector>

/// A file manager connection with scripted answers. Each request takes the next step (or the
/// default one) and is answered on the next turn of the event loop; a hanging step waits
/// until the test answers it.
class FakeFileManagerConnection final : public QObject, public FileManagerConnection {
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

    void perform(const FileManagerRequest &request, Answer answer) override;
    /// Drops the hung requests unanswered. (Later ones run as scripted: tests hand one
    /// connection to several clients in turn.)
    void cancel() override;

    void enqueue(Step step);
    void setDefault(Step step);
    /// Answers every hung request now.
    void releaseHung();

    QList<FileManagerRequest> performed() const { return m_performed; }
    int hungCount() const { return int(m_hung.size()); }
    int finishedCount() const { return m_finished; }
    bool isCancelled() const { return m_cancellations > 0; }

private:
    std::deque<Step> m_steps;
    Step m_default;
    QList<FileManagerRequest> m_performed;
    std::vector<std::pair<Result, Answer>> m_hung;
    int m_finished = 0;
    int m_cancellations = 0;
};
