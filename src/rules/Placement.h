#pragma once

#include <QtGlobal>

/// Finder window bounds in top-left screen coordinates (origin at the primary screen's
/// top-left corner, y downward, in points).
struct Placement {
    qint64 left = 0;
    qint64 top = 0;
    qint64 width = 0;
    qint64 height = 0;

    /// Saturating: a rule read from a hand-edited file may hold any 64-bit values.
    qint64 right() const;
    qint64 bottom() const;

    /// Every value moved into the range that validation accepts, so that arithmetic on a
    /// placement that was never validated stays small.
    Placement withinValidRanges() const;

    friend bool operator==(const Placement &, const Placement &) = default;
};
