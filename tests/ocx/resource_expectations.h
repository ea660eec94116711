// Expectations on what a process holds before and after work that must leave nothing behind.
#pragma once

#include <cstddef>
#include <functional>

#include "tests/ocx/process_resources.h"

namespace kovra::ocx_test {

// Expects `after` to hold the windows, USER and GDI objects `before` held.
void ExpectSameHandles(const ProcessResources& before, const ProcessResources& after);
// Expects the same handles, and the heaps grown by less than `heapSlack` bytes.
void ExpectNothingLeft(const ProcessResources& before, const ProcessResources& after,
                       std::size_t heapSlack);
// Runs `live` (given the number of the life) `lives` times and expects the process to hold
// afterwards what it held before — the same handles, the heaps grown by less than `heapSlack` —
// and the library to be free to unload. Stops at the first life that fails fatally, naming it.
// The caller lets the system fill its own caches first.
void ExpectLivesLeaveNothing(int lives, const std::function<void(int life)>& live,
                             std::size_t heapSlack);

}  // namespace kovra::ocx_test
