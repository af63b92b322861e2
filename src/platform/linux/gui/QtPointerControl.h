#pragma once

#include "platform/PointerControl.h"

/// The pointer through Qt's cursor. Qt speaks in the desktop's global coordinates, whose
/// origin need not be the primary screen's corner, so points are shifted by that corner.
class QtPointerControl final : public PointerControl {
public:
    void moveTo(const QPointF &point) override;
    QPointF position() const override;
};
