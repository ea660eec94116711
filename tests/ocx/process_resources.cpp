#include "tests/ocx/process_resources.h"

#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <vector>

namespace kovra::ocx_test {
namespace {

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  ::EnumChildWindows(window, &CountChild, count);
  return TRUE;
}

long ThreadWindows() {
  long count = 0;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CountTopLevel, reinterpret_cast<LPARAM>(&count));
  const DWORD thread = ::GetCurrentThreadId();
  for (HWND window = ::FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window != nullptr;
       window = ::FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) {
    if (::GetWindowThreadProcessId(window, nullptr) == thread) {
      ++count;
      ::EnumChildWindows(window, &CountChild, reinterpret_cast<LPARAM>(&count));
    }
  }
  return count;
}

// Wine keeps the process's GDI handles in a table that the process environment block points
// to; an entry with a type is a live object.
long WineGdiObjects() {
#ifdef _WIN64
  struct Entry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t user;
  };
  static_assert(sizeof(Entry) == 24);
  constexpr std::size_t kTableOffset = 0xF8;  // GdiSharedHandleTable in the 64-bit block
  constexpr int kEntries = 0x10000;
  // The compiler takes the segment read inside NtCurrentTeb for an out-of-bounds access.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
  const auto* block = reinterpret_cast<const char*>(NtCurrentTeb()->ProcessEnvironmentBlock);
#pragma GCC diagnostic pop
  const auto* table = *reinterpret_cast<const Entry* const*>(block + kTableOffset);
  if (table == nullptr) return 0;
  long count = 0;
  for (int i = 0; i < kEntries; ++i) count += table[i].type != 0 ? 1 : 0;
  return count;
#else
  return 0;
#endif
}

std::size_t HeapBytesInUse() {
  std::vector<HANDLE> heaps(::GetProcessHeaps(0, nullptr) + 16);
  heaps.resize(::GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
  std::size_t bytes = 0;
  for (HANDLE heap : heaps) {
    if (!::HeapLock(heap)) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (::HeapWalk(heap, &entry)) {
      if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) bytes += entry.cbData;
    }
    ::HeapUnlock(heap);
  }
  return bytes;
}

}  // namespace

ProcessResources MeasureProcessResources() {
  ProcessResources resources;
  resources.windows = ThreadWindows();
  HANDLE process = ::GetCurrentProcess();
  resources.userObjects = static_cast<long>(::GetGuiResources(process, GR_USEROBJECTS));
  if (resources.userObjects == 0) resources.userObjects = resources.windows;
  resources.gdiObjects = static_cast<long>(::GetGuiResources(process, GR_GDIOBJECTS));
  if (resources.gdiObjects == 0) resources.gdiObjects = WineGdiObjects();
  resources.heapBytes = HeapBytesInUse();
  return resources;
}

}  // namespace kovra::ocx_test
