#include "rules/Subfolder.h"

QString Subfolder::summary() const
{
    switch (m_kind) {
    case Kind::Smart:
        return QStringLiteral("Smart (DCIM / AVCHD / XAVC)");
    case Kind::Preset:
        return Presets::relativePath(m_preset);
    case Kind::Custom:
        return m_customPath.isEmpty() ? QStringLiteral("(no folder)") : m_customPath;
    }
    return {};
}

bool operator==(const Subfolder &a, const Subfolder &b)
{
    if (a.m_kind != b.m_kind)
        return false;
    switch (a.m_kind) {
    case Subfolder::Kind::Smart:
        return true;
    case Subfolder::Kind::Preset:
        return a.m_preset == b.m_preset;
    case Subfolder::Kind::Custom:
        return a.m_customPath == b.m_customPath;
    }
    return false;
}
