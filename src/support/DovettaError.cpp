#include "support/DovettaError.h"

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

QString DovettaError::plainText() const
{
    const auto withPayload = [this](const char *name) {
        return QLatin1String(name) + QStringLiteral("(\"") + m_payload + QStringLiteral("\")");
    };
    switch (m_kind) {
    case Kind::FinderScriptError:
        return withPayload("finderScriptError");
    case Kind::FolderMissing:
        return withPayload("folderMissing");
    case Kind::DiskError:
        return withPayload("diskError");
    case Kind::FinderTimeout:
        return QStringLiteral("finderTimeout");
    case Kind::NoMatchingRule:
        return QStringLiteral("noMatchingRule");
    case Kind::AutomationDenied:
        return QStringLiteral("automationDenied");
    case Kind::AutomationPending:
        return QStringLiteral("automationPending");
    }
    return {};
}
