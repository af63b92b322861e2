#include "ui/model/ValidationDisplay.h"

#include <QRegularExpression>

namespace {

ValidationDisplay summarise(const RuleIssueList &issues, bool errors)
{
    const RuleIssue *first = nullptr;
    qsizetype count = 0;
    for (const RuleIssue &issue : issues) {
        if (issue.isError != errors)
            continue;
        if (!first)
            first = &issue;
        ++count;
    }
    if (!first)
        return {};
    QString text = first->message;
    if (count > 1) {
        const qsizetype more = count - 1;
        text += QStringLiteral(" (+%1 more ").arg(more)
            + (errors ? QStringLiteral("error") : QStringLiteral("warning"))
            + (more == 1 ? QString() : QStringLiteral("s")) + QLatin1Char(')');
    }
    return { text, errors ? Tone::Error : Tone::Warning };
}

} // namespace

ValidationDisplay ValidationDisplay::fromIssues(const RuleIssueList &issues)
{
    ValidationDisplay display = summarise(issues, true);
    if (!display.isVisible())
        display = summarise(issues, false);
    return display;
}

ValidationDisplay ValidationDisplay::saved()
{
    return { QStringLiteral("Saved. Rules take effect on the next card insert."), Tone::Secondary };
}

ValidationDisplay ValidationDisplay::settingsSaveFailed(const QString &message)
{
    return { message.isEmpty() ? QStringLiteral("Couldn\u2019t save settings.") : message, Tone::Warning };
}

ValidationDisplay ValidationDisplay::rulesSaveFailed(const QString &reason)
{
    return { QStringLiteral("Rules not saved: ") + reason, Tone::Error };
}

QString ValidationDisplay::moreCount() const
{
    static const QRegularExpression count(QStringLiteral(" \\(\\+\\d+ more (error|warning)s?\\)$"));
    const QRegularExpressionMatch match = count.match(text);
    return match.hasMatch() ? match.captured() : QString();
}
