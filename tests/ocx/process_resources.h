// What a process holds of the system, counted so that a test can see a leak: windows, USER and
// GDI objects, and the memory in use in its heaps. Windows counts its GUI objects itself
// (GetGuiResources); Wine answers 0 there, so under Wine the windows of the thread stand for
// the USER objects and the live entries of the process's GDI handle table for the GDI objects.
#pragma once

#include <cstddef>

namespace kovra::ocx_test {

struct ProcessResources {
  long windows = 0;  // of the calling thread: top-level, child and message-only
  long userObjects = 0;
  long gdiObjects = 0;
  std::size_t heapBytes = 0;  // in use, over all of the process's heaps
};

ProcessResources MeasureProcessResources();

}  // namespace kovra::ocx_test
