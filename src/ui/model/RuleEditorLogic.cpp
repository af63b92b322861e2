#include "ui/model/RuleEditorLogic.h"

#include <QCoreApplication>
#include <limits>

namespace {

constexpr qint64 kPositionLimit = 20000;
constexpr qint64 kMinimumSize = 200;

qint64 clamped(qint64 value, RuleEditorLogic::Range range)
{
    return qBound(range.minimum, value, range.maximum);
}

// A text that does not parse keeps the stored value.
qint64 fieldValue(const QString &text, qint64 stored, RuleEditorLogic::NumberField field)
{
    const std::optional<qint64> parsed = RuleEditorLogic::parseWholeNumber(text);
    return clamped(parsed.value_or(stored), RuleEditorLogic::range(field));
}

} // namespace

QList<RuleEditorLogic::MenuItem> RuleEditorLogic::folderMenuItems()
{
    QList<MenuItem> items;
    for (int index = 0; index < int(Presets::allCases.size()); ++index)
        items.append({ Presets::title(Presets::allCases.at(index)), index });
    items.append({ QCoreApplication::translate("RuleEditorLogic", "Smart (first that exists)"), smartTag });
    items.append({ QCoreApplication::translate("RuleEditorLogic", "Custom\u2026"), customTag });
    return items;
}

int RuleEditorLogic::folderTag(const Subfolder &subfolder)
{
    switch (subfolder.kind()) {
    case Subfolder::Kind::Custom:
        return customTag;
    case Subfolder::Kind::Smart:
        return smartTag;
    case Subfolder::Kind::Preset:
        for (int index = 0; index < int(Presets::allCases.size()); ++index) {
            if (Presets::allCases.at(index) == subfolder.presetValue())
                return index;
        }
        return 0;
    }
    return 0;
}

QStringList RuleEditorLogic::cardMenuItems(const QList<MountedCard> &cards)
{
    QStringList items { QCoreApplication::translate("RuleEditorLogic", "Pick mounted card") };
    for (const MountedCard &card : cards)
        items.append(card.name);
    return items;
}

bool RuleEditorLogic::cardMenusDiffer(const QList<MountedCard> &before, const QList<MountedCard> &after)
{
    if (before.size() != after.size())
        return true;
    for (qsizetype index = 0; index < before.size(); ++index) {
        if (before.at(index).path() != after.at(index).path())
            return true;
    }
    return false;
}

RuleEditorLogic::Form RuleEditorLogic::form(const Rule &rule, qsizetype mountedCardCount, bool isCapturing)
{
    Form form;
    form.name = rule.name;
    form.enabled = rule.enabled;

    form.cardNamed = !rule.match.isAnyCard();
    form.volumeName = form.cardNamed ? rule.match.name() : QString();
    form.volumeNameEnabled = form.cardNamed;
    form.pickCardEnabled = form.cardNamed && mountedCardCount > 0;

    form.folderTag = folderTag(rule.subfolder);
    form.customPathShown = form.folderTag == customTag;
    form.customPath = form.customPathShown ? rule.subfolder.customPath() : QString();
    form.openNewestFolder = rule.openNewestFolder;
    form.selectNewestFile = rule.selectNewestFile;

    form.placeWindow = rule.placement.has_value();
    if (const std::optional<Placement> &placement = rule.placement) {
        form.placementTexts = { numberText(placement->left), numberText(placement->top),
            numberText(placement->width), numberText(placement->height) };
    }
    form.placementFieldsEnabled = form.placeWindow;
    form.captureEnabled = form.placeWindow && !isCapturing;
    form.bringToFront = rule.bringToFront;

    form.mouseWarp = rule.extras.mouseWarp.has_value();
    if (const std::optional<MousePoint> &point = rule.extras.mouseWarp)
        form.mouseTexts = { numberText(point->x), numberText(point->y) };
    form.mouseFieldsEnabled = form.mouseWarp;
    return form;
}

Rule RuleEditorLogic::withName(Rule rule, const QString &text)
{
    rule.name = text;
    return rule;
}

Rule RuleEditorLogic::withEnabled(Rule rule, bool on)
{
    rule.enabled = on;
    return rule;
}

Rule RuleEditorLogic::withMatch(Rule rule, bool cardNamed, const QString &volumeNameText)
{
    rule.match = cardNamed ? VolumeMatch::volumeName(volumeNameText) : VolumeMatch::anyCard();
    return rule;
}

std::optional<Rule> RuleEditorLogic::withPickedCard(Rule rule, const QList<MountedCard> &cards, int itemIndex)
{
    const int cardIndex = itemIndex - 1;
    if (cardIndex < 0 || cardIndex >= cards.size())
        return std::nullopt;
    rule.match = VolumeMatch::volumeName(cards.at(cardIndex).name);
    return rule;
}

Rule RuleEditorLogic::withFolderTag(Rule rule, int tag, const QString &pathText)
{
    if (tag == customTag)
        rule.subfolder = Subfolder::custom(pathText);
    else if (tag == smartTag)
        rule.subfolder = Subfolder::smart();
    else if (tag >= 0 && tag < int(Presets::allCases.size()))
        rule.subfolder = Subfolder::preset(Presets::allCases.at(tag));
    return rule;
}

Rule RuleEditorLogic::withCustomPath(Rule rule, const QString &text)
{
    rule.subfolder = Subfolder::custom(text);
    return rule;
}

Rule RuleEditorLogic::withOpenNewestFolder(Rule rule, bool on)
{
    rule.openNewestFolder = on;
    return rule;
}

Rule RuleEditorLogic::withSelectNewestFile(Rule rule, bool on)
{
    rule.selectNewestFile = on;
    return rule;
}

Rule RuleEditorLogic::withBringToFront(Rule rule, bool on)
{
    rule.bringToFront = on;
    return rule;
}

Rule RuleEditorLogic::withPlaceWindow(Rule rule, bool on)
{
    if (!on)
        rule.placement.reset();
    else if (!rule.placement)
        rule.placement = Placement { 0, 0, 800, 600 };
    return rule;
}

Rule RuleEditorLogic::withMouseWarp(Rule rule, bool on, const MousePoint &current)
{
    if (!on)
        rule.extras.mouseWarp.reset();
    else if (!rule.extras.mouseWarp)
        rule.extras.mouseWarp = current;
    return rule;
}

Rule RuleEditorLogic::withMousePoint(Rule rule, const MousePoint &point)
{
    rule.extras.mouseWarp = point;
    return rule;
}

Rule RuleEditorLogic::withPlacement(Rule rule, const Placement &placement)
{
    rule.placement = placement;
    return rule;
}

RuleEditorLogic::Range RuleEditorLogic::range(NumberField field)
{
    switch (field) {
    case NumberField::Width:
    case NumberField::Height:
        return { kMinimumSize, kPositionLimit };
    case NumberField::Left:
    case NumberField::Top:
    case NumberField::X:
    case NumberField::Y:
        break;
    }
    return { -kPositionLimit, kPositionLimit };
}

std::optional<qint64> RuleEditorLogic::parseWholeNumber(const QString &text)
{
    qsizetype at = 0;
    bool negative = false;
    if (!text.isEmpty() && (text.front() == QLatin1Char('+') || text.front() == QLatin1Char('-'))) {
        negative = text.front() == QLatin1Char('-');
        at = 1;
    }
    if (at == text.size())
        return std::nullopt;
    constexpr qint64 limit = std::numeric_limits<qint64>::max();
    qint64 magnitude = 0;
    for (; at < text.size(); ++at) {
        const char16_t unit = text.at(at).unicode();
        if (unit < u'0' || unit > u'9')
            return std::nullopt;
        const int digit = unit - u'0';
        magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
    }
    return negative ? -magnitude : magnitude;
}

bool RuleEditorLogic::accepts(NumberField field, const QString &text)
{
    if (text.isEmpty())
        return true;
    const std::optional<qint64> value = parseWholeNumber(text);
    const Range allowed = range(field);
    return value && *value >= allowed.minimum && *value <= allowed.maximum;
}

QString RuleEditorLogic::rangeMessage(NumberField field)
{
    switch (field) {
    case NumberField::Width:
    case NumberField::Height:
        return QCoreApplication::translate(
            "RuleEditorLogic", "Width and Height must be whole numbers from 200 to 20000.");
    case NumberField::Left:
    case NumberField::Top:
        return QCoreApplication::translate(
            "RuleEditorLogic", "Left and Top must be whole numbers from -20000 to 20000.");
    case NumberField::X:
    case NumberField::Y:
        return QCoreApplication::translate(
            "RuleEditorLogic", "X and Y must be whole numbers from -20000 to 20000.");
    }
    return QCoreApplication::translate("RuleEditorLogic", "That value is out of range.");
}

Rule RuleEditorLogic::withPlacementTexts(Rule rule, bool placeWindowOn, const std::array<QString, 4> &texts)
{
    if (!placeWindowOn || !rule.placement)
        return rule;
    const Placement stored = *rule.placement;
    rule.placement = Placement { fieldValue(texts[0], stored.left, NumberField::Left),
        fieldValue(texts[1], stored.top, NumberField::Top),
        fieldValue(texts[2], stored.width, NumberField::Width),
        fieldValue(texts[3], stored.height, NumberField::Height) };
    return rule;
}

Rule RuleEditorLogic::withMouseTexts(Rule rule, bool mouseWarpOn, const std::array<QString, 2> &texts)
{
    if (!mouseWarpOn || !rule.extras.mouseWarp)
        return rule;
    const MousePoint stored = *rule.extras.mouseWarp;
    rule.extras.mouseWarp = MousePoint { fieldValue(texts[0], stored.x, NumberField::X),
        fieldValue(texts[1], stored.y, NumberField::Y) };
    return rule;
}

QString RuleEditorLogic::numberText(qint64 value)
{
    return QString::number(value);
}

RuleEditorLogic::CaptureOutcome RuleEditorLogic::captured(
    const std::optional<Rule> &shown, const std::optional<Placement> &bounds)
{
    if (!bounds)
        return { std::nullopt, true };
    if (!shown)
        return {};
    return { withPlacement(*shown, *bounds), false };
}

QString RuleEditorLogic::emptyMessage()
{
    return QCoreApplication::translate("RuleEditorLogic", "Select a rule, or press + to add one.");
}

QString RuleEditorLogic::captureFailedLogLine()
{
    return QStringLiteral(
        "RuleEditorView: captureFrontWindowBounds returned nil (no file manager window open)");
}

QString RuleEditorLogic::captureFailedTitle()
{
    return QCoreApplication::translate("RuleEditorLogic", "Couldn\u2019t Read the File Manager Window");
}

QString RuleEditorLogic::captureFailedText()
{
    return QCoreApplication::translate("RuleEditorLogic",
        "Couldn\u2019t read the front file manager window. Make sure a file manager window is open and "
        "Mirvale is allowed to control the file manager.");
}
