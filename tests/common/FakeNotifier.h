#pragma once

#include "app/AbstractNotifier.h"

#include <QList>

#include <mutex>

/// Records the panels that would have been shown.
class FakeNotifier final : public AbstractNotifier {
public:
    struct Problem {
        MountedCard card;
        QString message;
    };
    struct Opened {
        MountedCard card;
        ResolvedTarget target;
        std::optional<int> fileCount;
    };

    void setup() override { m_setUp = true; }
    void setOnEjectRequested(std::function<void(const QUrl &)> callback) override
    {
        m_onEject = std::move(callback);
    }
    void cardOpened(
        const MountedCard &card, const ResolvedTarget &target, std::optional<int> fileCount) override;
    void cardProblem(const MountedCard &card, const UserText &message) override;

    QList<Problem> problems() const;
    QList<Opened> opened() const;
    bool isSetUp() const { return m_setUp; }
    void pressUnmount(const QUrl &volume)
    {
        if (m_onEject)
            m_onEject(volume);
    }

private:
    mutable std::mutex m_mutex;
    QList<Problem> m_problems;
    QList<Opened> m_opened;
    bool m_setUp = false;
    std::function<void(const QUrl &)> m_onEject;
};
