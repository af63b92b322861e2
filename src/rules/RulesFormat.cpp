#include "rules/RulesFormat.h"

#include "rules/DecodingError.h"
#include "rules/JsonDocument.h"
#include "support/UserText.h"

#include <QCoreApplication>

#include <nlohmann/json.hpp>

#include <cmath>
#include <limits>

namespace {

using Json = nlohmann::json;

/// Where a value sits in the document, rendered only when something is wrong with it.
struct Path {
    const Path *parent = nullptr;
    const char *key = nullptr;
    qsizetype index = -1;

    Path member(const char *name) const { return Path { this, name, -1 }; }
    Path element(qsizetype at) const { return Path { this, nullptr, at }; }

    QString render() const
    {
        QString parentText = parent ? parent->render() : QString();
        if (key)
            return parentText.isEmpty() ? QLatin1String(key)
                                        : parentText + QLatin1Char('.') + QLatin1String(key);
        if (index >= 0)
            return parentText + QStringLiteral("[%1]").arg(index);
        return parentText;
    }

    /// " at the top level" or " at rules[2].name", with its leading space: the end of a sentence.
    UserText where() const
    {
        const QString rendered = render();
        return rendered.isEmpty() ? UserText::translate("RulesFormat", " at the top level")
                                  : UserText::translate("RulesFormat", " at %1").arg(rendered);
    }
};

UserText typeName(const Json &value)
{
    switch (value.type()) {
    case Json::value_t::null:
        return UserText::verbatim(QStringLiteral("null"));
    case Json::value_t::object:
        return UserText::translate("RulesFormat", "an object");
    case Json::value_t::array:
        return UserText::translate("RulesFormat", "an array");
    case Json::value_t::string:
        return UserText::translate("RulesFormat", "a string");
    case Json::value_t::boolean:
        return UserText::translate("RulesFormat", "a boolean");
    case Json::value_t::number_float:
        return UserText::translate("RulesFormat", "a number with a fraction or exponent");
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
        return UserText::translate("RulesFormat", "an integer");
    default:
        return UserText::translate("RulesFormat", "an unsupported value");
    }
}

[[noreturn]] void wrongType(const Json &value, const char *expected, const Path &path)
{
    //: %1 and %2 are kinds of value ("a string"), %3 where it is (" at rules[2].name").
    throw DecodingError(UserText::translate("RulesFormat", "Expected %1 but found %2%3.")
                            .arg(UserText::translate("RulesFormat", expected), typeName(value))
                            .arg(path.where()),
        path.render());
}

[[noreturn]] void missing(const Path &path)
{
    //: %1 is where the value is missing (" at rules[2].name").
    throw DecodingError(
        UserText::translate("RulesFormat", "A required value is missing%1.").arg(path.where()),
        path.render());
}

/// The member, or nullptr when it is absent or null.
const Json *optionalMember(const Json &object, const char *key)
{
    const auto it = object.find(key);
    if (it == object.end() || it->is_null())
        return nullptr;
    return &*it;
}

const Json &requiredMember(const Json &object, const char *key, const Path &path)
{
    const Json *value = optionalMember(object, key);
    if (!value)
        missing(path);
    return *value;
}

const Json &expectObject(const Json &value, const Path &path)
{
    if (!value.is_object())
        wrongType(value, QT_TRANSLATE_NOOP("RulesFormat", "an object"), path);
    return value;
}

bool readBool(const Json &object, const char *key, bool fallback, const Path &parent)
{
    const Json *value = optionalMember(object, key);
    if (!value)
        return fallback;
    if (!value->is_boolean())
        wrongType(*value, QT_TRANSLATE_NOOP("RulesFormat", "a boolean"), parent.member(key));
    return value->get<bool>();
}

QString stringValue(const Json &value, const Path &path)
{
    if (!value.is_string())
        wrongType(value, QT_TRANSLATE_NOOP("RulesFormat", "a string"), path);
    return QString::fromStdString(value.get_ref<const std::string &>());
}

QString readString(const Json &object, const char *key, const QString &fallback, const Path &parent)
{
    const Json *value = optionalMember(object, key);
    return value ? stringValue(*value, parent.member(key)) : fallback;
}

[[noreturn]] void tooLarge(const QString &number, const Path &path)
{
    throw DecodingError(
        //: %1 is a number, %2 where it is (" at rules[2].placement.left").
        UserText::translate("RulesFormat", "The number %1 does not fit a 64-bit integer%2.")
            .arg(UserText::verbatim(number), path.where()),
        path.render());
}

qint64 readInteger(const Json &object, const char *key, const Path &parent)
{
    const Path path = parent.member(key);
    const Json &value = requiredMember(object, key, path);
    if (value.is_number_integer() && !value.is_number_unsigned())
        return value.get<qint64>();
    if (value.is_number_unsigned()) {
        const auto unsignedValue = value.get<std::uint64_t>();
        if (unsignedValue <= static_cast<std::uint64_t>(std::numeric_limits<qint64>::max()))
            return static_cast<qint64>(unsignedValue);
        tooLarge(QString::number(unsignedValue), path);
    }
    // Whole numbers that fit were stored as integers whatever their spelling, so a whole
    // float here is out of range; any other float has a fraction.
    if (value.is_number_float()) {
        const double number = value.get<double>();
        if (!std::isfinite(number) || (std::trunc(number) == number && std::fabs(number) >= 0x1p63))
            tooLarge(QString::number(number, 'g', 17), path);
    }
    wrongType(value, QT_TRANSLATE_NOOP("RulesFormat", "an integer"), path);
}

bool isHex(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

/// Only the canonical 8-4-4-4-12 form, in either letter case; QUuid alone would also take
/// braces.
QUuid readId(const Json &value, const Path &path)
{
    const QString text = stringValue(value, path);
    bool canonical = text.size() == 36;
    for (qsizetype i = 0; canonical && i < text.size(); ++i) {
        const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
        canonical = dash ? text[i] == QLatin1Char('-') : isHex(text[i]);
    }
    if (!canonical) {
        throw DecodingError(
            //: %1 is where the id is (" at rules[2].id").
            UserText::translate("RulesFormat", "The rule id is not a UUID in 8-4-4-4-12 form%1.")
                .arg(path.where()),
            path.render());
    }
    return QUuid::fromString(text);
}

VolumeMatch readMatch(const Json &value, const Path &path)
{
    expectObject(value, path);
    const Path kindPath = path.member("kind");
    const QString kind = stringValue(requiredMember(value, "kind", kindPath), kindPath);
    if (kind == QLatin1String("anyCard"))
        return VolumeMatch::anyCard();
    if (kind == QLatin1String("volumeName"))
        return VolumeMatch::volumeName(readString(value, "name", QString(), path));
    throw DecodingError(
        UserText::translate("RulesFormat", "Unknown VolumeMatch kind \"%1\"").arg(kind), kindPath.render());
}

Subfolder readSubfolder(const Json &value, const Path &path)
{
    expectObject(value, path);
    const Path kindPath = path.member("kind");
    const QString kind = stringValue(requiredMember(value, "kind", kindPath), kindPath);
    if (kind == QLatin1String("smart"))
        return Subfolder::smart();
    if (kind == QLatin1String("custom"))
        return Subfolder::custom(readString(value, "path", QString(), path));
    if (kind == QLatin1String("preset")) {
        const QString raw = readString(value, "preset", Presets::rawValue(Preset::Photos), path);
        const std::optional<Preset> preset = Presets::fromRawValue(raw);
        if (!preset) {
            const Path presetPath = path.member("preset");
            throw DecodingError(
                //: %1 is the value found, %2 where it is (" at rules[2].subfolder.preset").
                UserText::translate("RulesFormat", "Unknown Preset \"%1\"%2.")
                    .arg(UserText::verbatim(raw), presetPath.where()),
                presetPath.render());
        }
        return Subfolder::preset(*preset);
    }
    throw DecodingError(
        UserText::translate("RulesFormat", "Unknown Subfolder kind \"%1\"").arg(kind), kindPath.render());
}

Placement readPlacement(const Json &value, const Path &path)
{
    expectObject(value, path);
    Placement placement;
    placement.left = readInteger(value, "left", path);
    placement.top = readInteger(value, "top", path);
    placement.width = readInteger(value, "width", path);
    placement.height = readInteger(value, "height", path);
    return placement;
}

MousePoint readPoint(const Json &value, const Path &path)
{
    expectObject(value, path);
    return MousePoint { readInteger(value, "x", path), readInteger(value, "y", path) };
}

Extras readExtras(const Json &value, const Path &path)
{
    expectObject(value, path);
    Extras extras;
    if (const Json *warp = optionalMember(value, "mouseWarp"))
        extras.mouseWarp = readPoint(*warp, path.member("mouseWarp"));
    return extras;
}

Rule readRule(const Json &value, const Path &path)
{
    expectObject(value, path);
    Rule rule; // a fresh id unless the file names one
    if (const Json *id = optionalMember(value, "id"))
        rule.id = readId(*id, path.member("id"));
    rule.name = readString(value, "name", QStringLiteral("Rule"), path);
    rule.enabled = readBool(value, "enabled", true, path);
    if (const Json *match = optionalMember(value, "match"))
        rule.match = readMatch(*match, path.member("match"));
    if (const Json *subfolder = optionalMember(value, "subfolder"))
        rule.subfolder = readSubfolder(*subfolder, path.member("subfolder"));
    rule.openNewestFolder = readBool(value, "openNewestFolder", true, path);
    rule.selectNewestFile = readBool(value, "selectNewestFile", false, path);
    if (const Json *placement = optionalMember(value, "placement"))
        rule.placement = readPlacement(*placement, path.member("placement"));
    rule.bringToFront = readBool(value, "bringToFront", false, path);
    if (const Json *extras = optionalMember(value, "extras"))
        rule.extras = readExtras(*extras, path.member("extras"));
    return rule;
}

std::string text(const QString &value)
{
    return value.toStdString();
}

Json pointJson(const MousePoint &point)
{
    Json json = Json::object();
    json["x"] = point.x;
    json["y"] = point.y;
    return json;
}

Json ruleJson(const Rule &rule)
{
    Json json = Json::object();
    json["bringToFront"] = rule.bringToFront;
    json["enabled"] = rule.enabled;
    Json extras = Json::object();
    if (rule.extras.mouseWarp)
        extras["mouseWarp"] = pointJson(*rule.extras.mouseWarp);
    json["extras"] = std::move(extras);
    json["id"] = text(rule.idString());

    Json match = Json::object();
    if (rule.match.isAnyCard()) {
        match["kind"] = "anyCard";
    } else {
        match["kind"] = "volumeName";
        match["name"] = text(rule.match.name());
    }
    json["match"] = std::move(match);
    json["name"] = text(rule.name);
    json["openNewestFolder"] = rule.openNewestFolder;
    if (rule.placement) {
        json["placement"] = Json { { "height", rule.placement->height }, { "left", rule.placement->left },
            { "top", rule.placement->top }, { "width", rule.placement->width } };
    }
    json["selectNewestFile"] = rule.selectNewestFile;

    Json subfolder = Json::object();
    switch (rule.subfolder.kind()) {
    case Subfolder::Kind::Smart:
        subfolder["kind"] = "smart";
        break;
    case Subfolder::Kind::Preset:
        subfolder["kind"] = "preset";
        subfolder["preset"] = text(Presets::rawValue(rule.subfolder.presetValue()));
        break;
    case Subfolder::Kind::Custom:
        subfolder["kind"] = "custom";
        subfolder["path"] = text(rule.subfolder.customPath());
        break;
    }
    json["subfolder"] = std::move(subfolder);
    return json;
}

QByteArray dump(const Json &json)
{
    // nlohmann keeps object members in a sorted map, so the keys come out in sorted order.
    return QByteArray::fromStdString(json.dump(2, ' ', false, Json::error_handler_t::replace));
}

} // namespace

QByteArray RulesFormat::encodeRules(const RuleList &rules)
{
    Json array = Json::array();
    for (const Rule &rule : rules)
        array.push_back(ruleJson(rule));
    return dump(array);
}

RuleList RulesFormat::decodeRules(const QByteArray &data)
{
    const Json document = JsonDocument::parse(data);
    const Path root;
    if (!document.is_array())
        wrongType(document, QT_TRANSLATE_NOOP("RulesFormat", "an array of rules"), root);
    RuleList rules;
    rules.reserve(static_cast<qsizetype>(document.size()));
    qsizetype index = 0;
    for (const Json &element : document)
        rules.append(readRule(element, root.element(index++)));
    return rules;
}

QByteArray RulesFormat::encodeSettings(const AppSettings &settings)
{
    Json json = Json::object();
    json["extrasRevealed"] = settings.extrasRevealed;
    json["firstRunHintShown"] = settings.firstRunHintShown;
    json["handleCardsPresentAtLaunch"] = settings.handleCardsPresentAtLaunch;
    json["mountInsertedCards"] = settings.mountInsertedCards;
    json["paused"] = settings.paused;
    if (settings.reportWith)
        json["reportWith"] = *settings.reportWith == ReportMedium::Desktop ? "desktop" : "panels";
    json["showNotifications"] = settings.showNotifications;
    json["showUnmountItems"] = settings.showUnmountItems;
    return dump(json);
}

AppSettings RulesFormat::decodeSettings(const QByteArray &data)
{
    const Json document = JsonDocument::parse(data);
    const Path root;
    if (!document.is_object())
        wrongType(document, QT_TRANSLATE_NOOP("RulesFormat", "a settings object"), root);
    const AppSettings defaults = AppSettings::defaults();
    AppSettings settings;
    settings.paused = readBool(document, "paused", defaults.paused, root);
    settings.handleCardsPresentAtLaunch
        = readBool(document, "handleCardsPresentAtLaunch", defaults.handleCardsPresentAtLaunch, root);
    settings.showNotifications = readBool(document, "showNotifications", defaults.showNotifications, root);
    settings.firstRunHintShown = readBool(document, "firstRunHintShown", defaults.firstRunHintShown, root);
    settings.extrasRevealed = readBool(document, "extrasRevealed", defaults.extrasRevealed, root);
    settings.showUnmountItems = readBool(document, "showUnmountItems", defaults.showUnmountItems, root);
    settings.mountInsertedCards = readBool(document, "mountInsertedCards", defaults.mountInsertedCards, root);
    // A medium this version does not know is left to the default.
    const QString medium = readString(document, "reportWith", QString(), root);
    if (medium == QStringLiteral("panels"))
        settings.reportWith = ReportMedium::Panels;
    else if (medium == QStringLiteral("desktop"))
        settings.reportWith = ReportMedium::Desktop;
    return settings;
}
