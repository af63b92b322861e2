#include "ui/model/RuleEditorLogic.h"
#include "common/QtPrinters.h"
#include "common/TestCards.h"

#include <gtest/gtest.h>

using namespace RuleEditorLogic;
using namespace Qt::Literals::StringLiterals;

using TestCards::mountedAt;

namespace {

Rule presetRule()
{
    Rule rule = Rule::makeNew();
    rule.match = VolumeMatch::volumeName(QStringLiteral("EOS_DIGITAL"));
    return rule;
}

TEST(RuleEditorLogic, FolderMenuListsPresetsThenSmartThenCustom)
{
    const QList<MenuItem> items = folderMenuItems();
    ASSERT_EQ(items.size(), 5);
    EXPECT_EQ(items[0].title, QStringLiteral("Photos (DCIM)"));
    EXPECT_EQ(items[2].title, QStringLiteral("Sony XAVC (PRIVATE/M4ROOT/CLIP)"));
    EXPECT_EQ(items[3].title, QStringLiteral("Smart (first that exists)"));
    EXPECT_EQ(items[4].title, QStringLiteral("Custom\u2026"));
    for (int index = 0; index < 3; ++index)
        EXPECT_EQ(items[index].tag, index);
    EXPECT_EQ(items[3].tag, 10);
    EXPECT_EQ(items[4].tag, 11);

    EXPECT_EQ(folderTag(Subfolder::preset(Preset::Avchd)), 1);
    EXPECT_EQ(folderTag(Subfolder::smart()), smartTag);
    EXPECT_EQ(folderTag(Subfolder::custom(QStringLiteral("x"))), customTag);
}

TEST(RuleEditorLogic, FormShowsTheRule)
{
    Rule rule = presetRule();
    rule.name = QStringLiteral("Canon");
    rule.enabled = false;
    rule.subfolder = Subfolder::custom(QStringLiteral("DCIM/100CANON"));
    rule.placement = Placement { -10, 20, 800, 600 };
    rule.extras.mouseWarp = MousePoint { 5, -6 };

    const Form shown = form(rule, 1, false);
    EXPECT_EQ(shown.name, QStringLiteral("Canon"));
    EXPECT_FALSE(shown.enabled);
    EXPECT_TRUE(shown.cardNamed && shown.volumeNameEnabled && shown.pickCardEnabled);
    EXPECT_EQ(shown.volumeName, QStringLiteral("EOS_DIGITAL"));
    EXPECT_EQ(shown.folderTag, customTag);
    EXPECT_TRUE(shown.customPathShown);
    EXPECT_EQ(shown.customPath, QStringLiteral("DCIM/100CANON"));
    EXPECT_TRUE(shown.placeWindow && shown.placementFieldsEnabled && shown.captureEnabled);
    EXPECT_EQ(shown.placementTexts, (std::array<QString, 4> { u"-10"_s, u"20"_s, u"800"_s, u"600"_s }));
    EXPECT_TRUE(shown.mouseWarp && shown.mouseFieldsEnabled);
    EXPECT_EQ(shown.mouseTexts, (std::array<QString, 2> { u"5"_s, u"-6"_s }));
}

TEST(RuleEditorLogic, FormEnablement)
{
    struct Case {
        const char *what;
        Rule rule;
        qsizetype cards;
        bool capturing;
        bool volumeNameEnabled, pickCardEnabled, pathShown, placementEnabled, captureEnabled, mouseEnabled;
    };
    Rule anyCard = Rule::makeDefaultCatchAll();
    Rule named = presetRule();
    Rule placed = named;
    placed.placement = Placement { 0, 0, 800, 600 };
    Rule custom = anyCard;
    custom.subfolder = Subfolder::custom(QString());
    Rule warped = anyCard;
    warped.extras.mouseWarp = MousePoint {};
    const Case cases[] = {
        { "any card", anyCard, 2, false, false, false, false, false, false, false },
        { "named, no cards", named, 0, false, true, false, false, false, false, false },
        { "named with cards", named, 1, false, true, true, false, false, false, false },
        { "placed", placed, 0, false, true, false, false, true, true, false },
        { "placed while capturing", placed, 0, true, true, false, false, true, false, false },
        { "custom, empty path", custom, 0, false, false, false, true, false, false, false },
        { "mouse warp", warped, 0, false, false, false, false, false, false, true },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const Form shown = form(c.rule, c.cards, c.capturing);
        EXPECT_EQ(shown.volumeNameEnabled, c.volumeNameEnabled);
        EXPECT_EQ(shown.pickCardEnabled, c.pickCardEnabled);
        EXPECT_EQ(shown.customPathShown, c.pathShown);
        EXPECT_EQ(shown.placementFieldsEnabled, c.placementEnabled);
        EXPECT_EQ(shown.captureEnabled, c.captureEnabled);
        EXPECT_EQ(shown.mouseFieldsEnabled, c.mouseEnabled);
    }
    // Absent values show empty fields.
    const Form bare = form(anyCard, 0, false);
    EXPECT_EQ(bare.placementTexts, (std::array<QString, 4> {}));
    EXPECT_EQ(bare.mouseTexts, (std::array<QString, 2> {}));
    EXPECT_TRUE(bare.volumeName.isEmpty());
}

TEST(RuleEditorLogic, EachEditChangesItsOneField)
{
    const Rule base = presetRule();
    struct Case {
        const char *what;
        Rule edited;
        Rule expected;
    };
    const auto expect = [&base](auto change) {
        Rule rule = base;
        change(rule);
        return rule;
    };
    const Case cases[] = {
        { "name as typed", withName(base, u"  Sony "_s), expect([](Rule &r) { r.name = u"  Sony "_s; }) },
        { "disabled", withEnabled(base, false), expect([](Rule &r) { r.enabled = false; }) },
        { "any card", withMatch(base, false, u"IGNORED"_s),
            expect([](Rule &r) { r.match = VolumeMatch::anyCard(); }) },
        { "named, untrimmed", withMatch(base, true, u" A7 "_s),
            expect([](Rule &r) { r.match = VolumeMatch::volumeName(u" A7 "_s); }) },
        { "smart", withFolderTag(base, smartTag, u"x"_s),
            expect([](Rule &r) { r.subfolder = Subfolder::smart(); }) },
        { "preset", withFolderTag(base, 2, u"x"_s),
            expect([](Rule &r) { r.subfolder = Subfolder::preset(Preset::Xavc); }) },
        { "custom takes the field", withFolderTag(base, customTag, QString()),
            expect([](Rule &r) { r.subfolder = Subfolder::custom(QString()); }) },
        { "custom path typed", withCustomPath(base, u"DCIM/1"_s),
            expect([](Rule &r) { r.subfolder = Subfolder::custom(u"DCIM/1"_s); }) },
        { "open newest off", withOpenNewestFolder(base, false),
            expect([](Rule &r) { r.openNewestFolder = false; }) },
        { "select newest", withSelectNewestFile(base, true),
            expect([](Rule &r) { r.selectNewestFile = true; }) },
        { "bring to front", withBringToFront(base, true), expect([](Rule &r) { r.bringToFront = true; }) },
        { "place on starts at 0 0 800 600", withPlaceWindow(base, true), expect([](Rule &r) {
             r.placement = Placement { 0, 0, 800, 600 };
         }) },
        { "mouse on takes the pointer", withMouseWarp(base, true, MousePoint { 11, 800 }),
            expect([](Rule &r) {
                r.extras.mouseWarp = MousePoint { 11, 800 };
            }) },
        { "mouse point", withMousePoint(base, MousePoint { -1, 2 }), expect([](Rule &r) {
             r.extras.mouseWarp = MousePoint { -1, 2 };
         }) },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.edited, c.expected);
    }
}

TEST(RuleEditorLogic, TogglesKeepExistingValuesAndDropThemWhenOff)
{
    Rule rule = presetRule();
    rule.placement = Placement { 1, 2, 300, 400 };
    rule.extras.mouseWarp = MousePoint { 7, 8 };
    EXPECT_EQ(withPlaceWindow(rule, true).placement, rule.placement);
    EXPECT_FALSE(withPlaceWindow(rule, false).placement);
    EXPECT_EQ(withMouseWarp(rule, true, MousePoint { 99, 99 }).extras.mouseWarp, rule.extras.mouseWarp);
    EXPECT_FALSE(withMouseWarp(rule, false, MousePoint {}).extras.mouseWarp);
}

TEST(RuleEditorLogic, PickingACardNamesIt)
{
    const QList<MountedCard> cards { mountedAt(u"EOS_DIGITAL"_s, u"/media/u/EOS_DIGITAL"_s),
        mountedAt(u"Untitled"_s, u"/media/u/Untitled"_s) };
    Rule rule = Rule::makeDefaultCatchAll();
    const std::optional<Rule> picked = withPickedCard(rule, cards, 2);
    ASSERT_TRUE(picked);
    EXPECT_EQ(picked->match, VolumeMatch::volumeName(u"Untitled"_s));
    EXPECT_FALSE(withPickedCard(rule, cards, 0)) << "the title item names no card";
    EXPECT_FALSE(withPickedCard(rule, cards, 3));
    EXPECT_FALSE(withPickedCard(rule, {}, 1));

    EXPECT_EQ(
        cardMenuItems(cards), (QStringList { u"Pick mounted card"_s, u"EOS_DIGITAL"_s, u"Untitled"_s }));
    EXPECT_FALSE(cardMenusDiffer(cards, cards));
    QList<MountedCard> renamed = cards;
    renamed[0].freeBytes = 5;
    EXPECT_FALSE(cardMenusDiffer(cards, renamed)) << "only the mount paths count";
    EXPECT_TRUE(cardMenusDiffer(cards, cards.mid(1)));
    EXPECT_TRUE(cardMenusDiffer(cards, { cards[1], cards[0] }));
}

TEST(RuleEditorLogic, ParsesWholeNumbersOnly)
{
    struct Case {
        const char *text;
        std::optional<qint64> value;
    };
    const Case cases[] = {
        { "0", 0 },
        { "+42", 42 },
        { "-30000", -30000 },
        { "007", 7 },
        { "", std::nullopt },
        { "-", std::nullopt },
        { "+", std::nullopt },
        { "1.5", std::nullopt },
        { "1,000", std::nullopt },
        { " 5", std::nullopt },
        { "5 ", std::nullopt },
        { "abc", std::nullopt },
        { "--1", std::nullopt },
        { "\xd9\xa3", std::nullopt }, // an Arabic-Indic digit is not a decimal digit here
        { "99999999999999999999999", std::numeric_limits<qint64>::max() },
        { "-99999999999999999999999", -std::numeric_limits<qint64>::max() },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseWholeNumber(QString::fromUtf8(c.text)), c.value);
    }
}

TEST(RuleEditorLogic, RangesAndMessages)
{
    struct Case {
        NumberField field;
        const char *text;
        bool accepted;
        const char *message;
    };
    const char *sizes = "Width and Height must be whole numbers from 200 to 20000.";
    const char *position = "Left and Top must be whole numbers from -20000 to 20000.";
    const char *mouse = "X and Y must be whole numbers from -20000 to 20000.";
    const Case cases[] = {
        { NumberField::Left, "-20000", true, position },
        { NumberField::Left, "-20001", false, position },
        { NumberField::Top, "20000", true, position },
        { NumberField::Top, "20001", false, position },
        { NumberField::Width, "199", false, sizes },
        { NumberField::Width, "200", true, sizes },
        { NumberField::Height, "abc", false, sizes },
        { NumberField::Height, "20000", true, sizes },
        { NumberField::X, "-20000", true, mouse },
        { NumberField::Y, "1e3", false, mouse },
        { NumberField::Y, "", true, mouse },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(accepts(c.field, QString::fromUtf8(c.text)), c.accepted);
        EXPECT_EQ(rangeMessage(c.field), QString::fromUtf8(c.message));
    }
}

TEST(RuleEditorLogic, PlacementTextsClampAndKeepWhatDoesNotParse)
{
    Rule rule = presetRule();
    rule.placement = Placement { 10, 20, 800, 600 };
    struct Case {
        const char *what;
        std::array<QString, 4> texts;
        Placement expected;
    };
    const Case cases[] = {
        { "plain", { u"1"_s, u"2"_s, u"300"_s, u"400"_s }, { 1, 2, 300, 400 } },
        { "left below the range", { u"-30000"_s, u"20"_s, u"800"_s, u"600"_s }, { -20000, 20, 800, 600 } },
        { "width too small stores 200", { u"10"_s, u"20"_s, u"50"_s, u"600"_s }, { 10, 20, 200, 600 } },
        { "height not a number keeps it", { u"10"_s, u"20"_s, u"800"_s, u"tall"_s }, { 10, 20, 800, 600 } },
        { "empty keeps it", { QString(), QString(), QString(), QString() }, { 10, 20, 800, 600 } },
        { "huge clamps", { u"99999999999999999999"_s, u"20"_s, u"800"_s, u"600"_s },
            { 20000, 20, 800, 600 } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(withPlacementTexts(rule, true, c.texts).placement, c.expected);
    }
    // Nothing happens with "Place the window" off or without a placement.
    EXPECT_EQ(withPlacementTexts(rule, false, cases[0].texts), rule);
    Rule unplaced = presetRule();
    EXPECT_EQ(withPlacementTexts(unplaced, true, cases[0].texts), unplaced);
}

TEST(RuleEditorLogic, MouseTextsClamp)
{
    Rule rule = presetRule();
    rule.extras.mouseWarp = MousePoint { 3, 4 };
    EXPECT_EQ(
        withMouseTexts(rule, true, { u"-25000"_s, u"x"_s }).extras.mouseWarp, (MousePoint { -20000, 4 }));
    EXPECT_EQ(
        withMouseTexts(rule, true, { u"+15"_s, u"20001"_s }).extras.mouseWarp, (MousePoint { 15, 20000 }));
    EXPECT_EQ(withMouseTexts(rule, false, { u"1"_s, u"1"_s }), rule);
    Rule without = presetRule();
    EXPECT_EQ(withMouseTexts(without, true, { u"1"_s, u"1"_s }), without);
}

TEST(RuleEditorLogic, CaptureOutcomes)
{
    Rule shown = presetRule();
    const Placement bounds { 100, 50, 800, 600 };

    const CaptureOutcome stored = captured(shown, bounds);
    EXPECT_FALSE(stored.failed);
    ASSERT_TRUE(stored.rule);
    EXPECT_EQ(stored.rule->placement, bounds);
    EXPECT_EQ(stored.rule->id, shown.id);

    const CaptureOutcome failed = captured(shown, std::nullopt);
    EXPECT_TRUE(failed.failed);
    EXPECT_FALSE(failed.rule) << "a failed capture leaves the rule alone";

    const CaptureOutcome nothingShown = captured(std::nullopt, bounds);
    EXPECT_FALSE(nothingShown.failed);
    EXPECT_FALSE(nothingShown.rule);

    EXPECT_EQ(captureFailedTitle(), QStringLiteral("Couldn\u2019t Read the File Manager Window"));
    EXPECT_EQ(captureFailedText(),
        QStringLiteral(
            "Couldn\u2019t read the front file manager window. Make sure a file manager window is open and "
            "Mirvale is allowed to control the file manager."));
    EXPECT_EQ(captureFailedLogLine(),
        QStringLiteral(
            "RuleEditorView: captureFrontWindowBounds returned nil (no file manager window open)"));
    EXPECT_EQ(emptyMessage(), QStringLiteral("Select a rule, or press + to add one."));
}

} // namespace
