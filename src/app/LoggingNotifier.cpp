#include "app/LoggingNotifier.h"

#include "app/CardReportText.h"
#include "rules/RulesProvider.h"
#include "support/Logger.h"

LoggingNotifier::LoggingNotifier(const RulesProvider &rules, Logger &log)
    : m_rules(rules)
    , m_log(log)
{
}

void LoggingNotifier::setup()
{
    m_log.info(QStringLiteral("Notifier ready (in-app panels, no permission needed)"));
}

void LoggingNotifier::setOnEjectRequested(std::function<void(const QUrl &)> callback)
{
    m_onEjectRequested = std::move(callback);
}

void LoggingNotifier::cardOpened(
    const MountedCard &card, const ResolvedTarget &target, std::optional<int> fileCount)
{
    if (!m_rules.settings().showNotifications) {
        m_log.info(QStringLiteral("Notifier: skipping card-opened panel (notifications disabled)."));
        return;
    }
    present(card.name, CardReportText::openedBody(card, target, fileCount));
}

void LoggingNotifier::cardProblem(const MountedCard &card, const QString &message)
{
    present(card.name, message);
}

void LoggingNotifier::present(const QString &title, const QString &body)
{
    m_log.info(QStringLiteral("Notifier: showing panel \"") + title + QStringLiteral(": ") + body
        + QLatin1Char('"'));
}
