#pragma once

#include <QString>

/// Which cards a rule applies to: any card, or cards with a given volume name.
class VolumeMatch {
public:
    enum class Kind { AnyCard, VolumeName };

    static VolumeMatch anyCard() { return VolumeMatch(Kind::AnyCard, {}); }
    static VolumeMatch volumeName(const QString &name) { return VolumeMatch(Kind::VolumeName, name); }

    Kind kind() const { return m_kind; }
    bool isAnyCard() const { return m_kind == Kind::AnyCard; }
    /// The volume name; empty for anyCard.
    const QString &name() const { return m_name; }

    friend bool operator==(const VolumeMatch &, const VolumeMatch &) = default;

private:
    VolumeMatch(Kind kind, QString name)
        : m_kind(kind)
        , m_name(std::move(name))
    {
    }

    Kind m_kind;
    QString m_name;
};
