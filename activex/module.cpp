#include "activex/module.h"

#include <atomic>

namespace kovra::activex::module {
namespace {

HMODULE g_handle = nullptr;
// Objects may be released on any thread of the process: the counts are atomic.
std::atomic<long> g_objects{0};
std::atomic<long> g_locks{0};

}  // namespace

void SetHandle(HMODULE handle) { g_handle = handle; }

HMODULE Handle() {
  if (g_handle == nullptr) {
    // Linked into a program rather than loaded as a library: the module that holds this code.
    ::GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&SetHandle), &g_handle);
  }
  return g_handle;
}

std::wstring Path() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(Handle(), path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // truncated: try again with more room
  }
}

void ObjectCreated() { ++g_objects; }
void ObjectDestroyed() { --g_objects; }
void Lock() { ++g_locks; }
void Unlock() { --g_locks; }

bool CanUnload() { return g_objects.load() == 0 && g_locks.load() == 0; }

}  // namespace kovra::activex::module
