#pragma once

#include <QList>
#include <QRectF>

/// The screens' visible frames in top-left coordinates, taken on the main thread and
/// carried to wherever a placement is clamped.
struct ScreenSnapshot {
    QList<QRectF> visibleFramesTopLeft;
    QRectF mainVisibleTopLeft;

    friend bool operator==(const ScreenSnapshot &, const ScreenSnapshot &) = default;
};
