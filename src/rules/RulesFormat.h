#pragma once

#include "rules/AppSettings.h"
#include "rules/Rule.h"

#include <QByteArray>

/// The JSON form of the rule list (rules.json, export and import files) and of the
/// settings (settings.json). Written with sorted keys and indented; read leniently
/// (any member order, unknown members ignored, null counts as missing where a member is
/// optional) but strictly about types: any fault anywhere fails the whole document with a
/// DecodingError.
namespace RulesFormat {

QByteArray encodeRules(const RuleList &rules);
/// Throws DecodingError.
RuleList decodeRules(const QByteArray &data);

QByteArray encodeSettings(const AppSettings &settings);
/// Throws DecodingError.
AppSettings decodeSettings(const QByteArray &data);

} // namespace RulesFormat
