#pragma once

#include "platform/EntryAttributeSource.h"

#include <QUrl>

#include <optional>

class Logger;

/// The newest immediate regular file of a directory (not hidden, not a symbolic link).
namespace NewestFile {
std::optional<QUrl> find(const QUrl &directory, Logger &log, const EntryAttributeSource &source);
}
