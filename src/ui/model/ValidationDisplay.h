#pragma once

#include "rules/RuleIssue.h"
#include "ui/model/Tone.h"

#include <QString>

/// The one-line validation area under the rule list: hidden when its text is empty.
struct ValidationDisplay {
    QString text;
    Tone tone = Tone::Secondary;
    /// The closing " (+N more …)" that `text` ends with, empty when there is none.
    QString more = {};

    bool isVisible() const { return !text.isEmpty(); }
    /// The closing " (+N more …)" of the text, empty when there is none; a shortened text
    /// keeps it whole.
    QString moreCount() const;

    /// The first error (or, with no errors, the first warning) and how many more there are.
    static ValidationDisplay fromIssues(const RuleIssueList &issues);
    /// Shown after a save that left no issues at all.
    static ValidationDisplay saved();
    /// A settings write failed; `message` is the store's reason, empty when it gave none.
    static ValidationDisplay settingsSaveFailed(const QString &message);
    /// The rules could not be written; `reason` is the store's description.
    static ValidationDisplay rulesSaveFailed(const QString &reason);

    friend bool operator==(const ValidationDisplay &, const ValidationDisplay &) = default;
};
