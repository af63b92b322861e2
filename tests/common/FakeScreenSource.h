#pragma once

#include "platform/ScreenSource.h"

/// A fixed screen list that the test can change.
class FakeScreenSource final : public ScreenSource {
    Q_OBJECT
public:
    ScreenSnapshot capture() const override
    {
        ++m_captures;
        return m_snapshot;
    }

    void setSnapshot(const ScreenSnapshot &snapshot) { m_snapshot = snapshot; }
    int captures() const { return m_captures; }

private:
    ScreenSnapshot m_snapshot;
    mutable int m_captures = 0;
};
