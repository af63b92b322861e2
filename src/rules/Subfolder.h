#pragma once

#include "rules/Preset.h"

#include <QString>

/// Which folder on the card a rule opens.
class Subfolder {
public:
    enum class Kind { Smart, Preset, Custom };

    static Subfolder smart() { return Subfolder(Kind::Smart, Preset::Photos, {}); }
    static Subfolder preset(::Preset preset) { return Subfolder(Kind::Preset, preset, {}); }
    static Subfolder custom(const QString &path) { return Subfolder(Kind::Custom, Preset::Photos, path); }

    Kind kind() const { return m_kind; }
    /// Meaningful for Kind::Preset only.
    ::Preset presetValue() const { return m_preset; }
    /// The path as typed; meaningful for Kind::Custom only.
    const QString &customPath() const { return m_customPath; }

    /// The text shown in the rule list.
    QString summary() const;

    friend bool operator==(const Subfolder &a, const Subfolder &b);

private:
    Subfolder(Kind kind, ::Preset preset, QString customPath)
        : m_kind(kind)
        , m_preset(preset)
        , m_customPath(std::move(customPath))
    {
    }

    Kind m_kind;
    ::Preset m_preset;
    QString m_customPath;
};
