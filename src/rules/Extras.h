#pragma once

#include "rules/MousePoint.h"

#include <optional>

/// Optional extra actions of a rule.
struct Extras {
    std::optional<MousePoint> mouseWarp;

    friend bool operator==(const Extras &, const Extras &) = default;
};
