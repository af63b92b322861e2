#pragma once

#include "support/UserText.h"

#include <QString>
#include <QtGlobal>

/// Sizes as the desktop's file manager shows them: decimal units ("31.9 GB", "512 KB").
namespace ByteCountFormatter {
/// `allowsNonnumeric` writes zero as "Zero KB"; otherwise zero is "0 bytes".
QString fileStyle(qint64 bytes, bool allowsNonnumeric = false);
/// fileStyle() on screen, and in English (numbers and words) for the log and for scripts.
UserText fileStyleText(qint64 bytes, bool allowsNonnumeric = false);
}
