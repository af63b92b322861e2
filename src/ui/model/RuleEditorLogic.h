#pragma once

#include "detection/MountedCard.h"
#include "rules/Rule.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

/// The rule editor's decisions, with the form modelled as data: what each control shows for a
/// rule, which rows are enabled or shown, and the new Rule each edit makes. The widget only
/// renders a Form and forwards edits here.
namespace RuleEditorLogic {

/// Menu tags of the folder choices: the presets use their index, then these two.
inline constexpr int smartTag = 10;
inline constexpr int customTag = 11;

struct MenuItem {
    QString title;
    int tag = 0;
};

/// One item per preset in order, then "Smart (first that exists)" and "Custom…".
QList<MenuItem> folderMenuItems();
/// The folder menu's tag for a subfolder.
int folderTag(const Subfolder &subfolder);
/// The card menu: its title item "Pick mounted card", then one item per card name.
QStringList cardMenuItems(const QList<MountedCard> &cards);
/// Whether the card menus must be rebuilt: the list of mount paths differs.
bool cardMenusDiffer(const QList<MountedCard> &before, const QList<MountedCard> &after);

/// What every control shows and whether it can be used.
struct Form {
    QString name;
    bool enabled = true;

    bool cardNamed = false; ///< "Card named" on, else "Any card that contains…"
    QString volumeName;
    bool volumeNameEnabled = false;
    bool pickCardEnabled = false;

    int folderTag = 0;
    QString customPath;
    bool customPathShown = false; ///< the Path row is shown and its field enabled
    bool openNewestFolder = false;
    bool selectNewestFile = false;

    bool placeWindow = false;
    std::array<QString, 4> placementTexts; ///< left, top, width, height; empty when off
    bool placementFieldsEnabled = false;
    bool captureEnabled = false;
    bool bringToFront = false;

    bool mouseWarp = false;
    std::array<QString, 2> mouseTexts; ///< x, y; empty when off
    bool mouseFieldsEnabled = false;

    friend bool operator==(const Form &, const Form &) = default;
};

Form form(const Rule &rule, qsizetype mountedCardCount, bool isCapturing);

// Edits: each returns the rule with the one change made.
Rule withName(Rule rule, const QString &text);
Rule withEnabled(Rule rule, bool on);
/// The radios (or typing in the card-name field, which turns "Card named" on): the named
/// match with the field's text as typed, else any card.
Rule withMatch(Rule rule, bool cardNamed, const QString &volumeNameText);
/// `itemIndex` counts the menu's title item as 0; none when it names no card.
std::optional<Rule> withPickedCard(Rule rule, const QList<MountedCard> &cards, int itemIndex);
/// A folder menu choice; Custom takes the path field's current text.
Rule withFolderTag(Rule rule, int tag, const QString &pathText);
Rule withCustomPath(Rule rule, const QString &text);
Rule withOpenNewestFolder(Rule rule, bool on);
Rule withSelectNewestFile(Rule rule, bool on);
Rule withBringToFront(Rule rule, bool on);
/// Off drops the placement; on keeps it, or starts from 0, 0, 800, 600.
Rule withPlaceWindow(Rule rule, bool on);
/// Off drops the point; on keeps it, or starts from `current` (the pointer's position).
Rule withMouseWarp(Rule rule, bool on, const MousePoint &current);
Rule withMousePoint(Rule rule, const MousePoint &point);
Rule withPlacement(Rule rule, const Placement &placement);

/// The six number fields.
enum class NumberField { Left, Top, Width, Height, X, Y };

struct Range {
    qint64 minimum = 0;
    qint64 maximum = 0;
};
Range range(NumberField field);
/// A whole decimal number: optional leading "+" or "-", digits only. Values beyond 64 bits
/// saturate, so that they clamp like any other value out of range.
std::optional<qint64> parseWholeNumber(const QString &text);
/// Whether the field accepts the text when editing ends: empty (the stored value comes back),
/// or a whole number within the field's range.
bool accepts(NumberField field, const QString &text);
/// The hint shown under Position when a field refuses its text.
QString rangeMessage(NumberField field);

/// The placement fields' texts (left, top, width, height) into the rule, clamped; a text that
/// does not parse keeps that value. Nothing changes unless "Place the window" is on and the
/// rule has a placement.
Rule withPlacementTexts(Rule rule, bool placeWindowOn, const std::array<QString, 4> &texts);
/// The same for X and Y with "Move the mouse to".
Rule withMouseTexts(Rule rule, bool mouseWarpOn, const std::array<QString, 2> &texts);
QString numberText(qint64 value);

/// What a capture's answer does: a placement goes into the rule shown then (if any); none
/// leaves the rule alone and is reported as a failure.
struct CaptureOutcome {
    std::optional<Rule> rule; ///< the edited rule to store and report, if any
    bool failed = false; ///< log the warning and show the alert
};
CaptureOutcome captured(const std::optional<Rule> &shown, const std::optional<Placement> &bounds);

/// The empty pane's message.
QString emptyMessage();
/// The capture's failure: the log line, the alert's message and its informative text.
QString captureFailedLogLine();
QString captureFailedTitle();
QString captureFailedText();

} // namespace RuleEditorLogic
