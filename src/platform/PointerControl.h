#pragma once

#include <QPointF>

/// The mouse pointer, in top-left screen coordinates of the primary screen.
class PointerControl {
public:
    virtual ~PointerControl() = default;

    /// Moves the pointer.
    virtual void moveTo(const QPointF &point) = 0;
    /// The pointer's position.
    virtual QPointF position() const = 0;
};
