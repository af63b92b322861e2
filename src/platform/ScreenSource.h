#pragma once

#include "platform/ScreenSnapshot.h"

#include <QObject>

/// The screen arrangement, and word of when it changes.
class ScreenSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /// The current visible frames.
    virtual ScreenSnapshot capture() const = 0;

signals:
    /// Screens were added, removed or rearranged.
    void screensChanged();
    /// The application became active (a cheap moment to refresh the snapshot).
    void applicationActivated();
};
