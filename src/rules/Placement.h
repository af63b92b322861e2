#pragma once

#include <QtGlobal>

/// Finder window bounds in top-left screen coordinates (origin at the primary screen's
/// top-left corner, y downward, in points).
struct Placement {
    qint64 left = 0;
    qint64 top = 0;
    qint64 width = 0;
    qint64 height = 0;

    qint64 right() const { return left + width; }
    qint64 bottom() const { return top + height; }

    friend bool operator==(const Placement &, const Placement &) = default;
};
