#pragma once

#include <QString>

namespace FileCount {
/// The regular files directly inside `folder`, hidden entries skipped; 0 when it cannot be
/// listed. Symbolic links are not followed.
int regularFiles(const QString &folder);
}
