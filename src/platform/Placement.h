#pragma once

#include <QtGlobal>

/// A file manager window's outer frame in top-left screen coordinates (origin at the primary
/// screen's top-left corner, y downward, in logical pixels).
struct Placement {
    /// What validation accepts for a rule's placement.
    static constexpr qint64 kMinSize = 200;
    static constexpr qint64 kMaxSize = 20000;
    static constexpr qint64 kMaxCoordinate = 20000;

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
