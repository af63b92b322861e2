#pragma once

#include "platform/EntryAttributeSource.h"

#include <QUrl>

#include <optional>

class Logger;

/// The newest immediate subfolder of a directory (not hidden, not a symbolic link).
namespace NewestFolder {
std::optional<QUrl> find(const QUrl &directory, Logger &log, const EntryAttributeSource &source);
}
