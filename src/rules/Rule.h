#pragma once

#include "platform/Placement.h"
#include "rules/Extras.h"
#include "rules/Subfolder.h"
#include "rules/VolumeMatch.h"

#include <QList>
#include <QString>
#include <QUuid>

#include <optional>

/// One rule: for one kind of card, which folder to show and how.
struct Rule {
    QUuid id = QUuid::createUuid();
    QString name;
    bool enabled = true;
    VolumeMatch match = VolumeMatch::anyCard();
    Subfolder subfolder = Subfolder::smart();
    bool openNewestFolder = false;
    bool selectNewestFile = false;
    std::optional<Placement> placement;
    bool bringToFront = false;
    Extras extras;

    /// The rule seeded when no rules file exists.
    static Rule makeDefaultCatchAll();
    /// The rule the settings window adds.
    static Rule makeNew();

    /// "Any card" or "Card named " + the volume name.
    QString matchSummary() const;
    /// The subfolder summary, then " → newest" and ", select last file" as set.
    QString openSummary() const;

    /// The id as stored in files and shown in messages: upper-case, without braces.
    QString idString() const;

    friend bool operator==(const Rule &, const Rule &) = default;
};

using RuleList = QList<Rule>;
