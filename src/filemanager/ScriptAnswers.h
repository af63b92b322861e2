#pragma once

#include "platform/Placement.h"
#include "support/MirvaleError.h"

#include <QString>
#include <QVariant>

#include <optional>

/// What the file manager scripts' answers mean.
namespace ScriptAnswers {

/// The bounds answer as a placement: four present integers with left < right, top < bottom.
std::optional<Placement> placementFromBounds(const QVariant &value);

/// The error for a script's error number; a missing folder names `folderPath` when the request
/// had one, the script's message otherwise.
MirvaleError errorFor(int number, const QString &message, const std::optional<QString> &folderPath);

} // namespace ScriptAnswers
