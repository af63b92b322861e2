#include "rules/Rule.h"

Rule Rule::makeDefaultCatchAll()
{
    Rule rule;
    rule.name = QStringLiteral("Any camera card");
    rule.match = VolumeMatch::anyCard();
    rule.subfolder = Subfolder::smart();
    rule.openNewestFolder = true;
    return rule;
}

Rule Rule::makeNew()
{
    Rule rule;
    rule.name = QStringLiteral("New rule");
    rule.match = VolumeMatch::volumeName(QString());
    rule.subfolder = Subfolder::preset(Preset::Photos);
    rule.openNewestFolder = true;
    return rule;
}

QString Rule::matchSummary() const
{
    if (match.isAnyCard())
        return QStringLiteral("Any card");
    return QStringLiteral("Card named ") + match.name();
}

QString Rule::openSummary() const
{
    QString summary = subfolder.summary();
    if (openNewestFolder)
        summary += QStringLiteral(" \u2192 newest");
    if (selectNewestFile)
        summary += QStringLiteral(", select last file");
    return summary;
}

QString Rule::idString() const
{
    return id.toString(QUuid::WithoutBraces).toUpper();
}
