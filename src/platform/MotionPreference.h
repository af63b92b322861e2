#pragma once

/// Whether the desktop asks programs to keep animation to a minimum.
class MotionPreference {
public:
    virtual ~MotionPreference() = default;

    /// True when animations should be skipped; main thread only. Answers "motion allowed"
    /// until the desktop has said otherwise.
    virtual bool prefersReducedMotion() const = 0;
};
