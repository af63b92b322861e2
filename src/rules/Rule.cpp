#include "rules/Rule.h"

#include <QCoreApplication>

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
        return QCoreApplication::translate("Rule", "Any card");
    //: %1 is the card's name, as the rule matches it.
    return QCoreApplication::translate("Rule", "Card named %1").arg(match.name());
}

QString Rule::openSummary() const
{
    const QString folder = subfolder.summary();
    if (openNewestFolder && selectNewestFile)
        //: %1 is the folder, such as "DCIM".
        return QCoreApplication::translate("Rule", "%1 → newest, select last file").arg(folder);
    if (openNewestFolder)
        //: %1 is the folder, such as "DCIM".
        return QCoreApplication::translate("Rule", "%1 → newest").arg(folder);
    if (selectNewestFile)
        //: %1 is the folder, such as "DCIM".
        return QCoreApplication::translate("Rule", "%1, select last file").arg(folder);
    return folder;
}

QString Rule::idString() const
{
    return id.toString(QUuid::WithoutBraces).toUpper();
}
