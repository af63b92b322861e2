#include "finder/DovettaError.h"

QString DovettaError::description() const
{
    switch (m_kind) {
    case Kind::FinderScriptError:
        return QStringLiteral("Finder reported: ") + m_payload;
    case Kind::FolderMissing:
        return QStringLiteral("Folder not found: ") + m_payload;
    case Kind::DiskError:
        return QStringLiteral("Disk error: ") + m_payload;
    case Kind::FinderTimeout:
        return QStringLiteral("Finder did not respond in time.");
    case Kind::NoMatchingRule:
        return QStringLiteral("No rule matches this card.");
    case Kind::AutomationDenied:
        return QStringLiteral("Mirvale is not allowed to control Finder. Allow it in System "
                              "Settings \u2192 Privacy & Security \u2192 Automation.");
    case Kind::AutomationPending:
        return QStringLiteral("Still waiting for you to answer the Finder automation prompt.");
    }
    return {};
}
