#include "ui/model/FileManagerStatus.h"
#include <QCoreApplication>

QString FileManagerStatus::text() const
{
    switch (state) {
    case State::NotChecked:
        return QCoreApplication::translate("FileManagerStatus", "File manager: \u2014");
    case State::Checking:
        return QCoreApplication::translate("FileManagerStatus", "File manager: Checking\u2026");
    case State::Allowed:
        if (fileManager.isEmpty())
            return QCoreApplication::translate("FileManagerStatus", "File manager: found");
        //: %1 is the file manager's name, as "Files" or "Dolphin".
        return QCoreApplication::translate("FileManagerStatus", "File manager: %1").arg(fileManager);
    case State::NotAllowed:
        return QCoreApplication::translate("FileManagerStatus", "File manager: none found");
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
