#pragma once

#include <functional>

/// Concurrent background work that belongs to no serial queue (file counting, status reads,
/// helper processes). A small fixed pool of threads of our own.
namespace GlobalQueue {
void async(std::function<void()> work);
}
