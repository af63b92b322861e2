#pragma once

#include "platform/FileManagerRequest.h"
#include "support/MirvaleError.h"
#include "support/UserText.h"

#include <QString>

/// What a user reads when a request to the file manager fails.
namespace FileManagerErrors {

/// The error for `failure`; a missing folder names `folder` (the request's, when it had one).
MirvaleError errorFor(const FileManagerFailure &failure, const QString &folder);

/// Whether the file manager was not reachable yet, so that asking again may help.
bool isRetryable(const FileManagerFailure &failure);

/// What the user reads when the desktop has no file manager to ask.
QString noFileManagerMessage();
/// noFileManagerMessage() on screen and in English.
UserText noFileManagerText();

} // namespace FileManagerErrors
