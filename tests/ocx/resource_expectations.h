// Expectations on what a process holds before and after work that must leave nothing behind.
#pragma once

#include <cstddef>

#include "tests/ocx/process_resources.h"

namespace kovra::ocx_test {

// Expects `after` to hold the windows, USER and GDI objects `before` held.
void ExpectSameHandles(const ProcessResources& before, const ProcessResources& after);
// Expects the same handles, and the heaps grown by less than `heapSlack` bytes.
void ExpectNothingLeft(const ProcessResources& before, const ProcessResources& after,
                       std::size_t heapSlack);

}  // namespace kovra::ocx_test
