#include "rules/Subfolder.h"

#include <QCoreApplication>

QString Subfolder::summary() const
{
    switch (m_kind) {
    case Kind::Smart:
        return QCoreApplication::translate("Subfolder", "Smart (DCIM / AVCHD / XAVC)");
    case Kind::Preset:
        return Presets::relativePath(m_preset);
    case Kind::Custom:
        return m_customPath.isEmpty() ? QCoreApplication::translate("Subfolder", "(no folder)")
                                      : m_customPath;
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
