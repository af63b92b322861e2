#pragma once

/// The application's change notifications. Within Mirvale they travel as Qt signals
/// (RulesProvider, the volume watcher); these names identify them in logs and to any
/// observer outside the process.
namespace NotificationNames {
inline constexpr char dovettaRulesChanged[] = "Dovetta.rulesChanged";
inline constexpr char dovettaSettingsChanged[] = "Dovetta.settingsChanged";
inline constexpr char dovettaSettingsSaveFailed[] = "Dovetta.settingsSaveFailed";
inline constexpr char dovettaMountedCardsChanged[] = "Dovetta.mountedCardsChanged";
/// The user-info key of dovettaSettingsSaveFailed.
inline constexpr char messageKey[] = "message";
} // namespace NotificationNames
