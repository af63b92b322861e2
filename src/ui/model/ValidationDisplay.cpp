#include "ui/model/ValidationDisplay.h"

#include <QCoreApplication>

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
    if (count == 1)
        return { first->message, errors ? Tone::Error : Tone::Warning };
    const int more = int(count - 1);
    QString moreText;
    if (errors) {
        //: Follows a rule's first error, with a space before it: how many more there are.
        moreText = QCoreApplication::translate("ValidationDisplay", " (+%n more errors)", nullptr, more);
    } else {
        //: Follows a rule's first warning, with a space before it: how many more there are.
        moreText = QCoreApplication::translate("ValidationDisplay", " (+%n more warnings)", nullptr, more);
    }
    return { first->message + moreText, errors ? Tone::Error : Tone::Warning, moreText };
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
    return { QCoreApplication::translate(
                 "ValidationDisplay", "Saved. Rules take effect on the next card insert."),
        Tone::Secondary };
}

ValidationDisplay ValidationDisplay::settingsSaveFailed(const QString &message)
{
    return { message.isEmpty()
            ? QCoreApplication::translate("ValidationDisplay", "Couldn\u2019t save settings.")
            : message,
        Tone::Warning };
}

ValidationDisplay ValidationDisplay::rulesSaveFailed(const QString &reason)
{
    //: %1 is the reason, a whole sentence.
    return { QCoreApplication::translate("ValidationDisplay", "Rules not saved: %1").arg(reason),
        Tone::Error };
}

QString ValidationDisplay::moreCount() const
{
    return more;
}
