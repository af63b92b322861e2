#pragma once

#include "platform/UpdateService.h"

/// An update service the test drives by emitting its signals; it counts what it was asked.
class FakeUpdateService final : public UpdateService {
    Q_OBJECT
public:
    void start() override { ++m_starts; }
    void checkForUpdates() override { ++m_checks; }

    int starts() const { return m_starts; }
    int checks() const { return m_checks; }

private:
    int m_starts = 0;
    int m_checks = 0;
};
