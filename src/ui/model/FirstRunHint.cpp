#include "ui/model/FirstRunHint.h"

#include <QCoreApplication>

QString FirstRunHint::dismissButtonTitle()
{
    return QCoreApplication::translate("FirstRunHint", "Got it");
}

FirstRunHint FirstRunHint::forDesktop(const QString &controlCenter, const QString &removableDrives)
{
    FirstRunHint hint;
    hint.message = QCoreApplication::translate("FirstRunHint", "Another Application May Also Open");
    if (!removableDrives.isEmpty()) {
        hint.informativeText = QCoreApplication::translate("FirstRunHint",
            "Xfce may also open a window or offer to import photos when you insert a card, and its "
            "setting is for every drive and medium, not camera cards only. To stop it: open Removable "
            "Drives and Media and turn off “Browse removable media when inserted” and, under "
            "Cameras, “Import digital photographs when connected”.");
        hint.openButtonTitle = QCoreApplication::translate("FirstRunHint", "Open Removable Media Settings");
        hint.program = removableDrives;
        return hint;
    }
    if (controlCenter.isEmpty()) {
        hint.informativeText = QCoreApplication::translate("FirstRunHint",
            "Your desktop may also open a window or an application when you insert a card. To stop "
            "that: open your desktop’s settings, find what happens when media is inserted, and "
            "choose to do nothing for photos.");
        return hint;
    }
    hint.informativeText = QCoreApplication::translate("FirstRunHint",
        "Your desktop may also open a window or an application when you insert a card. To stop that: "
        "open Removable Media in Settings and set “Photos” to “Do nothing”.");
    hint.openButtonTitle = QCoreApplication::translate("FirstRunHint", "Open Removable Media Settings");
    hint.program = controlCenter;
    hint.arguments = { QStringLiteral("removable-media") };
    return hint;
}
