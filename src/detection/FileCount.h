#pragma once

#include <QString>

class EntryAttributeSource;

namespace FileCount {
/// The regular files directly inside `folder`, hidden entries skipped; 0 when it cannot be
/// listed. Symbolic links are not followed. The listing's entry types answer where they can.
int regularFiles(const QString &folder, const EntryAttributeSource &files);
}
