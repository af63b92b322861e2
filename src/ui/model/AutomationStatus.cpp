#include "ui/model/AutomationStatus.h"

QString AutomationStatus::text() const
{
    switch (state) {
    case State::NotChecked:
        return QStringLiteral("Finder automation: \u2014");
    case State::Checking:
        return QStringLiteral("Finder automation: Checking\u2026");
    case State::Allowed:
        return QStringLiteral("Finder automation: Allowed");
    case State::NotAllowed:
        return QStringLiteral("Finder automation: Not allowed");
    }
    return {};
}

Tone AutomationStatus::dotTone() const
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
