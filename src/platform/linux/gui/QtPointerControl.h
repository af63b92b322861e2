#pragma once

#include "platform/PointerControl.h"

/// The pointer through Qt's cursor, in the desktop's global (top-left) coordinates.
class QtPointerControl final : public PointerControl
{
public:
    void moveTo(const QPointF &point) override;
    QPointF position() const override;
};
