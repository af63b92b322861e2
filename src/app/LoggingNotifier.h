#pragma once

#include "app/AbstractNotifier.h"

class Logger;
class RulesProvider;

/// Reports openings and problems in the log, with the same words and rules the on-screen
/// panels use, for sessions that show no panels.
class LoggingNotifier final : public AbstractNotifier {
public:
    LoggingNotifier(const RulesProvider &rules, Logger &log);

    void setup() override;
    void setOnEjectRequested(std::function<void(const QUrl &)> callback) override;
    void cardOpened(
        const MountedCard &card, const ResolvedTarget &target, std::optional<int> fileCount) override;
    void cardProblem(const MountedCard &card, const QString &message) override;

private:
    void present(const QString &title, const QString &body);

    const RulesProvider &m_rules;
    Logger &m_log;
    std::function<void(const QUrl &)> m_onEjectRequested;
};
