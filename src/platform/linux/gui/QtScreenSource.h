#pragma once

#include "platform/ScreenSource.h"

/// The screen arrangement from Qt's screen list; Qt already reports top-left coordinates.
class QtScreenSource final : public ScreenSource {
    Q_OBJECT
public:
    explicit QtScreenSource(QObject *parent = nullptr);

    ScreenSnapshot capture() const override;
};
