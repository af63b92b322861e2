#include "ui/model/FirstRunHint.h"

QString FirstRunHint::dismissButtonTitle()
{
    return QStringLiteral("Got it");
}

FirstRunHint FirstRunHint::forDesktop(const QString &controlCenter)
{
    FirstRunHint hint;
    hint.message = QStringLiteral("Another Application May Also Open");
    if (controlCenter.isEmpty()) {
        hint.informativeText = QStringLiteral(
            "Your desktop may also open a window or an application when you insert a card. To stop "
            "that: open your desktop\u2019s settings, find what happens when media is inserted, and "
            "choose to do nothing for photos.");
        return hint;
    }
    hint.informativeText = QStringLiteral(
        "Your desktop may also open a window or an application when you insert a card. To stop that: "
        "open Removable Media in Settings and set \u201cPhotos\u201d to \u201cDo nothing\u201d.");
    hint.openButtonTitle = QStringLiteral("Open Removable Media Settings");
    hint.program = controlCenter;
    hint.arguments = { QStringLiteral("removable-media") };
    return hint;
}
