#pragma once

#include <QString>

#include <array>
#include <optional>

/// The fixed camera folders, in the order the rule editor lists them.
enum class Preset { Photos, Avchd, Xavc };

namespace Presets {
inline constexpr std::array<Preset, 3> allCases { Preset::Photos, Preset::Avchd, Preset::Xavc };

QString rawValue(Preset preset);
/// Exactly "photos", "avchd" or "xavc"; anything else gives no preset.
std::optional<Preset> fromRawValue(const QString &raw);
/// The folder below the card root, "/"-separated, no leading or trailing slash.
QString relativePath(Preset preset);
QString title(Preset preset);
} // namespace Presets
