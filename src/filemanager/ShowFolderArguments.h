#pragma once

#include "platform/Placement.h"
#include "platform/ScreenSnapshot.h"

#include <QString>
#include <QUrl>

/// The folder path and window placement a request to show a folder carries. Pure functions;
/// the screen list itself comes from ScreenSource.
namespace ShowFolderArguments {

/// The folder as requests and logs name it: "." and ".." resolved, no trailing "/" except
/// for the root.
QString standardizedPath(const QUrl &folder);

/// Keeps a window placement within the ranges validation accepts and on a screen; only the
/// former when no screens are known.
Placement clamp(const Placement &placement, const ScreenSnapshot &screens);

} // namespace ShowFolderArguments
