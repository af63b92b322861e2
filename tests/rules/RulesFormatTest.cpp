#include "rules/RulesFormat.h"
#include "rules/DecodingError.h"
#include "rules/JsonDocument.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

QByteArray bytes(const char *text)
{
    return QByteArray(text);
}

/// The error a document fails with, or an empty string when it decodes.
DecodingError rulesError(const QByteArray &data)
{
    try {
        RulesFormat::decodeRules(data);
    } catch (const DecodingError &error) {
        return error;
    }
    ADD_FAILURE() << "decoded: " << data.toStdString();
    return DecodingError(QString(), QString());
}

Rule fullRule()
{
    Rule rule;
    rule.id = QUuid::fromString(QStringLiteral("6f9619ff-8b86-d011-b42d-00c04fc964ff"));
    rule.name = QStringLiteral("Canon \"R5\"\n\u00e9 / \U0001F4F7");
    rule.enabled = false;
    rule.match = VolumeMatch::volumeName(QStringLiteral("EOS_DIGITAL"));
    rule.subfolder = Subfolder::custom(QStringLiteral(" DCIM/100CANON/ "));
    rule.openNewestFolder = false;
    rule.selectNewestFile = true;
    rule.placement
        = Placement { std::numeric_limits<qint64>::min(), -7, std::numeric_limits<qint64>::max(), 600 };
    rule.bringToFront = true;
    rule.extras.mouseWarp = MousePoint { -20000, 20000 };
    return rule;
}

TEST(RulesFormat, MinimalAndEmptyRuleObjectsTakeTheDefaults)
{
    const RuleList rules = RulesFormat::decodeRules(bytes(
        R"([{"match": {"kind": "anyCard"}, "subfolder": {"kind": "smart"}}, {}, {"name": null, "enabled": null}])"));
    ASSERT_EQ(rules.size(), 3);
    for (const Rule &rule : rules) {
        EXPECT_FALSE(rule.id.isNull());
        EXPECT_EQ(rule.name, QStringLiteral("Rule"));
        EXPECT_TRUE(rule.enabled);
        EXPECT_TRUE(rule.match.isAnyCard());
        EXPECT_EQ(rule.subfolder, Subfolder::smart());
        EXPECT_TRUE(rule.openNewestFolder);
        EXPECT_FALSE(rule.selectNewestFile || rule.bringToFront || rule.placement || rule.extras.mouseWarp);
    }
    EXPECT_NE(rules[0].id, rules[1].id);
    EXPECT_TRUE(RulesFormat::decodeRules(bytes(" [ ] ")).isEmpty());
}

TEST(RulesFormat, KindsWithMissingPayloads)
{
    const RuleList rules = RulesFormat::decodeRules(bytes(R"([
        {"match": {"kind": "volumeName"}, "subfolder": {"kind": "preset"}},
        {"match": {"kind": "volumeName", "name": null}, "subfolder": {"kind": "custom"}},
        {"subfolder": {"kind": "preset", "preset": "avchd"}, "extras": {"mouseWarp": null}, "placement": null}])"));
    ASSERT_EQ(rules.size(), 3);
    EXPECT_EQ(rules[0].match, VolumeMatch::volumeName(QString()));
    EXPECT_EQ(rules[0].subfolder, Subfolder::preset(Preset::Photos));
    EXPECT_EQ(rules[1].match, VolumeMatch::volumeName(QString()));
    EXPECT_EQ(rules[1].subfolder, Subfolder::custom(QString()));
    EXPECT_EQ(rules[2].subfolder, Subfolder::preset(Preset::Avchd));
    EXPECT_FALSE(rules[2].placement || rules[2].extras.mouseWarp);
}

TEST(RulesFormat, EveryFieldSurvivesAWriteAndARead)
{
    Rule plain = Rule::makeNew();
    plain.subfolder = Subfolder::preset(Preset::Xavc);
    const RuleList rules { fullRule(), Rule::makeDefaultCatchAll(), plain };
    EXPECT_EQ(RulesFormat::decodeRules(RulesFormat::encodeRules(rules)), rules);

    AppSettings settings;
    settings.paused = true;
    settings.extrasRevealed = true;
    settings.showUnmountItems = false;
    settings.mountInsertedCards = false;
    for (const ReportMedium medium : { ReportMedium::Panels, ReportMedium::Desktop }) {
        settings.reportWith = medium;
        EXPECT_EQ(RulesFormat::decodeSettings(RulesFormat::encodeSettings(settings)), settings);
    }
}

TEST(RulesFormat, WritesSortedIndentedKeysAndOmitsWhatIsNotSet)
{
    Rule rule = Rule::makeDefaultCatchAll();
    rule.id = QUuid::fromString(QStringLiteral("0a1b2c3d-4e5f-6789-abcd-ef0123456789"));
    EXPECT_EQ(RulesFormat::encodeRules({ rule }), bytes(R"([
  {
    "bringToFront": false,
    "enabled": true,
    "extras": {},
    "id": "0A1B2C3D-4E5F-6789-ABCD-EF0123456789",
    "match": {
      "kind": "anyCard"
    },
    "name": "Any camera card",
    "openNewestFolder": true,
    "selectNewestFile": false,
    "subfolder": {
      "kind": "smart"
    }
  }
])"));

    const QByteArray full = RulesFormat::encodeRules({ fullRule() });
    EXPECT_TRUE(full.contains(R"("placement": {
      "height": 600,
      "left": -9223372036854775808,
      "top": -7,
      "width": 9223372036854775807
    },)"))
        << full.toStdString();
    EXPECT_TRUE(full.contains(R"("mouseWarp": {
        "x": -20000,
        "y": 20000
      })"));

    EXPECT_EQ(RulesFormat::encodeSettings(AppSettings::defaults()), bytes(R"({
  "extrasRevealed": false,
  "firstRunHintShown": false,
  "handleCardsPresentAtLaunch": false,
  "mountInsertedCards": true,
  "paused": false,
  "showNotifications": false,
  "showUnmountItems": true
})"));
}

TEST(RulesFormat, SettingsReadMissingMembersAsDefaults)
{
    AppSettings expected;
    expected.paused = true;
    EXPECT_EQ(RulesFormat::decodeSettings(bytes(R"({"paused": true, "later": [1]})")), expected);
    EXPECT_EQ(RulesFormat::decodeSettings(bytes(R"({"showUnmountItems": null})")), AppSettings::defaults());
    EXPECT_EQ(RulesFormat::decodeSettings(bytes(R"({"reportWith": "pigeon"})")), AppSettings::defaults());
    EXPECT_THROW(RulesFormat::decodeSettings(bytes(R"({"paused": 1})")), DecodingError);
    EXPECT_THROW(RulesFormat::decodeSettings(bytes("[]")), DecodingError);
}

TEST(RulesFormat, UnknownKindsCarryTheirDescriptions)
{
    DecodingError subfolder = rulesError(bytes(R"([{}, {"subfolder": {"kind": "Smart"}}])"));
    EXPECT_EQ(subfolder.description(), QStringLiteral("Unknown Subfolder kind \"Smart\""));
    EXPECT_EQ(subfolder.codingPath(), QStringLiteral("[1].subfolder.kind"));

    DecodingError match = rulesError(bytes(R"([{"match": {"kind": "any\"Card"}}])"));
    EXPECT_EQ(match.description(), QStringLiteral("Unknown VolumeMatch kind \"any\"Card\""));
    EXPECT_EQ(match.codingPath(), QStringLiteral("[0].match.kind"));
}

TEST(RulesFormat, BadDocumentsFailWholeAndSayWhere)
{
    struct Row {
        const char *document;
        const char *descriptionPart;
    };
    const Row rows[] = {
        { "", "not valid JSON" },
        { "[{]", "not valid JSON" },
        { "[] []", "not valid JSON" },
        { R"({"name": "x"})", "Expected an array of rules but found an object at the top level." },
        { "[1]", "Expected an object but found an integer at [0]." },
        { R"([{}, {"enabled": "yes"}])", "Expected a boolean but found a string at [1].enabled." },
        { R"([{"name": 3}])", "Expected a string but found an integer at [0].name." },
        { R"([{"match": {}}])", "A required value is missing at [0].match.kind." },
        { R"([{"subfolder": {"kind": null}}])", "A required value is missing at [0].subfolder.kind." },
        { R"([{"subfolder": {"kind": "preset", "preset": "Photos"}}])",
            "Unknown Preset \"Photos\" at [0].subfolder.preset." },
        { R"([{"placement": {"left": 1, "top": 2, "width": 300}}])",
            "A required value is missing at [0].placement.height." },
        { R"([{"placement": {"left": 1.5, "top": 2, "width": 300, "height": 300}}])",
            "Expected an integer but found a number with a fraction or exponent at [0].placement.left." },
        { R"([{"placement": {"left": 1.5e0, "top": 2, "width": 300, "height": 300}}])",
            "fraction or exponent" },
        { R"([{"placement": {"left": 5e-1, "top": 2, "width": 300, "height": 300}}])",
            "fraction or exponent" },
        { R"([{"placement": {"left": 100.5, "top": 2, "width": 300, "height": 300}}])",
            "fraction or exponent" },
        // Rounds to exactly 100 as a double, yet is not a whole number.
        { R"([{"placement": {"left": 100.0000000000000001, "top": 2, "width": 300, "height": 300}}])",
            "fraction or exponent" },
        { R"([{"extras": {"mouseWarp": {"x": 9223372036854775808, "y": 0}}}])",
            "The number 9223372036854775808 does not fit a 64-bit integer at [0].extras.mouseWarp.x." },
        { R"([{"extras": {"mouseWarp": {"x": -9223372036854775809, "y": 0}}}])",
            "The number -9.2233720368547758e+18 does not fit a 64-bit integer at [0].extras.mouseWarp.x." },
        { R"([{"extras": {"mouseWarp": {"x": 100000000000000000000, "y": 0}}}])",
            "The number 1e+20 does not fit a 64-bit integer at [0].extras.mouseWarp.x." },
        { R"([{"extras": {"mouseWarp": {"x": 0, "y": 1e19}}}])",
            "does not fit a 64-bit integer at [0].extras.mouseWarp.y." },
        { R"([{"extras": {"mouseWarp": {"x": 1}}}])",
            "A required value is missing at [0].extras.mouseWarp.y." },
        { R"([{"extras": []}])", "Expected an object but found an array at [0].extras." },
        { R"([{"id": "{6f9619ff-8b86-d011-b42d-00c04fc964ff}"}])",
            "not a UUID in 8-4-4-4-12 form at [0].id" },
        { R"([{"id": "6f9619ff8b86d011b42d00c04fc964ff"}])", "[0].id" },
        { R"([{"enabled": true, "enabled": false}])",
            "The member \"enabled\" appears twice in the same object at [0]." },
        { R"([{"extras": {"a b": {"k": 1, "k": 2}}}])",
            "appears twice in the same object at [0].extras[\"a b\"]." },
        { "[\"\xff\"]", "not valid JSON" },
        { R"(["\ud800"])", "not valid JSON" },
        { R"([{"unknown": 1e999}])", "not valid JSON" },
    };
    for (const Row &row : rows) {
        const DecodingError error = rulesError(bytes(row.document));
        EXPECT_TRUE(error.description().contains(QString::fromUtf8(row.descriptionPart)))
            << row.document << " -> " << error.description().toStdString();
    }
}

TEST(RulesFormat, WholeNumbersAreIntegersHoweverTheyAreWritten)
{
    struct Row {
        const char *text;
        qint64 value;
    };
    const Row rows[] = {
        { "100.0", 100 },
        { "1e2", 100 },
        { "1E+2", 100 },
        { "12.30e1", 123 },
        { "0.5e1", 5 },
        { "1000e-1", 100 },
        { "-0.0", 0 },
        { "0e-99999999999999999999", 0 },
        { "-20000.000", -20000 },
        { "9223372036854775807.0", std::numeric_limits<qint64>::max() },
        { "-9223372036854775808.0", std::numeric_limits<qint64>::min() },
        { "-922337203685477580.8e1", std::numeric_limits<qint64>::min() },
    };
    for (const Row &row : rows) {
        const QByteArray document
            = QByteArray(R"([{"extras": {"mouseWarp": {"x": )") + row.text + R"(, "y": 0}}}])";
        RuleList rules;
        ASSERT_NO_THROW(rules = RulesFormat::decodeRules(document)) << row.text;
        ASSERT_TRUE(rules[0].extras.mouseWarp) << row.text;
        EXPECT_EQ(rules[0].extras.mouseWarp->x, row.value) << row.text;
    }
    EXPECT_EQ(
        JsonDocument::integerValue("9223372036854775808").kind, JsonDocument::IntegerValue::Kind::TooLarge);
    EXPECT_EQ(JsonDocument::integerValue("92233720368547758.08e2").kind,
        JsonDocument::IntegerValue::Kind::TooLarge);
    EXPECT_EQ(JsonDocument::integerValue("1e99999999999999999999").kind,
        JsonDocument::IntegerValue::Kind::TooLarge);
    EXPECT_EQ(JsonDocument::integerValue("1.0000000000000000000001").kind,
        JsonDocument::IntegerValue::Kind::NotInteger);
}

TEST(RulesFormat, ANulByteIsAnErrorWhereItStands)
{
    struct Row {
        QByteArray document;
        const char *description;
    };
    const auto withNul
        = [](const char *before, const char *after) { return QByteArray(before) + '\0' + QByteArray(after); };
    const Row rows[] = {
        { withNul("[]", "garbage"), "The data is not valid JSON: a NUL byte at offset 2." },
        { withNul("[]", ""), "The data is not valid JSON: a NUL byte at offset 2." },
        { withNul("[{\"name\":\"a\"}", "]"), "The data is not valid JSON: a NUL byte at offset 13." },
        { withNul("[{\"name\":\"a", "\"}]"), "The data is not valid JSON: a NUL byte at offset 11." },
        { withNul("[tru", "e]"), "The data is not valid JSON: a NUL byte at offset 4." },
        { withNul("", "[]"), "The data is not valid JSON: a NUL byte at offset 0." },
        // What went wrong before the NUL is reported first.
        { withNul("[x", "]"), "The data is not valid JSON: parse error at line 1, column 2" },
        { withNul("[{\"a\":1,\"a\":2}", "]"), "The member \"a\" appears twice" },
    };
    for (const Row &row : rows) {
        const DecodingError error = rulesError(row.document);
        EXPECT_TRUE(error.description().startsWith(QString::fromUtf8(row.description)))
            << row.document.toStdString() << " -> " << error.description().toStdString();
    }
    EXPECT_THROW(RulesFormat::decodeSettings(withNul("{}", "")), DecodingError);
}

TEST(RulesFormat, ToleratesWhatTheFormatAllows)
{
    const RuleList rules = RulesFormat::decodeRules(bytes(
        "\xEF\xBB\xBF[{\"id\": \"6F9619FF-8b86-D011-b42d-00C04FC964FF\", \"future\": {\"deep\": [[[1]]]},"
        " \"subfolder\": {\"kind\": \"custom\", \"path\": \"a\\/b\"}, \"name\": \"caf\\u00e9\"}]"));
    ASSERT_EQ(rules.size(), 1);
    EXPECT_EQ(rules[0].idString(), QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF"));
    EXPECT_EQ(rules[0].subfolder, Subfolder::custom(QStringLiteral("a/b")));
    EXPECT_EQ(rules[0].name, QStringLiteral("caf\u00e9"));
}

TEST(RulesFormat, DeepNestingIsRefusedWithoutRecursion)
{
    // Far deeper than any stack would survive if something walked it recursively.
    const int depth = 1'000'000;
    QByteArray hostile = QByteArray(depth, '[') + QByteArray(depth, ']');
    DecodingError error = rulesError(hostile);
    EXPECT_TRUE(error.description().startsWith(QStringLiteral("The data is nested more than 64 levels deep")))
        << error.description().left(200).toStdString();

    QByteArray objects = QByteArray("[{\"extras\":");
    for (int i = 0; i < 100; ++i)
        objects += "{\"a\":";
    objects += "1" + QByteArray(100, '}') + "}]";
    EXPECT_THROW(RulesFormat::decodeRules(objects), DecodingError);

    // Within the limit, unknown nested members are simply ignored.
    QByteArray allowed = "[{\"x\":" + QByteArray(60, '[') + QByteArray(60, ']') + "}]";
    EXPECT_EQ(RulesFormat::decodeRules(allowed).size(), 1);
}

TEST(RulesFormat, LargeDocumentsDecode)
{
    RuleList rules;
    for (int i = 0; i < 2000; ++i) {
        Rule rule = Rule::makeNew();
        rule.name = QString(500, QLatin1Char('n'));
        rule.match = VolumeMatch::volumeName(QString::number(i));
        rules.append(rule);
    }
    const QByteArray encoded = RulesFormat::encodeRules(rules);
    EXPECT_GT(encoded.size(), 1'000'000);
    EXPECT_EQ(RulesFormat::decodeRules(encoded), rules);
}

} // namespace
