#pragma once

#include <QString>

#include <chrono>

/// How log lines name a time limit.
namespace DurationText {

/// Whole seconds as "45s"; shorter limits (as tests inject them) keep their fraction,
/// "0.05s", without trailing zeros.
QString seconds(std::chrono::milliseconds duration);

} // namespace DurationText
