#pragma once

#include <QtGlobal>

/// A pointer position in the same top-left screen coordinates as Placement.
struct MousePoint {
    qint64 x = 0;
    qint64 y = 0;

    /// Both coordinates moved into the range that validation accepts.
    MousePoint withinValidRanges() const;

    friend bool operator==(const MousePoint &, const MousePoint &) = default;
};
