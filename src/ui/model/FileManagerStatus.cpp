#include "ui/model/FileManagerStatus.h"

QString FileManagerStatus::text() const
{
    switch (state) {
    case State::NotChecked:
        return QStringLiteral("File manager: \u2014");
    case State::Checking:
        return QStringLiteral("File manager: Checking\u2026");
    case State::Allowed:
        return QStringLiteral("File manager: ")
            + (fileManager.isEmpty() ? QStringLiteral("found") : fileManager);
    case State::NotAllowed:
        return QStringLiteral("File manager: none found");
    }
    return {};
}

Tone FileManagerStatus::dotTone() const
{
    switch (state) {
    case State::Allowed:
        return Tone::Success;
    case State::NotAllowed:
        return Tone::Error;
    case State::NotChecked:
    case State::Checking:
        break;
    }
    return Tone::Secondary;
}
