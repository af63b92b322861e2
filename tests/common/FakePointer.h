#pragma once

#include "platform/PointerControl.h"

#include <QList>

/// Remembers where the pointer was sent.
class FakePointer final : public PointerControl {
public:
    void moveTo(const QPointF &point) override
    {
        m_moves.append(point);
        m_position = point;
    }
    QPointF position() const override { return m_position; }

    QList<QPointF> moves() const { return m_moves; }
    void setPosition(const QPointF &point) { m_position = point; }

private:
    QList<QPointF> m_moves;
    QPointF m_position;
};
