// Registry access for registration: an owner for open keys, writing entries below a root, and
// removing whole trees. Failures throw ComError with the Win32 error as an HRESULT.
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "activex/registration_table.h"

namespace kovra::activex {

class RegistryKey {
 public:
  RegistryKey() = default;
  RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  RegistryKey& operator=(RegistryKey other) noexcept {
    std::swap(key_, other.key_);
    return *this;
  }
  RegistryKey(const RegistryKey&) = delete;
  ~RegistryKey() {
    if (key_ != nullptr) ::RegCloseKey(key_);
  }

  // Opens `path` below `parent`, creating the keys on the way.
  static RegistryKey Create(HKEY parent, std::wstring_view path);
  // Opens an existing key; an empty owner when it is not there.
  static RegistryKey Open(HKEY parent, std::wstring_view path, REGSAM access);

  HKEY get() const { return key_; }
  explicit operator bool() const { return key_ != nullptr; }

 private:
  HKEY key_ = nullptr;
};

// Writes every entry below `root` (string values).
void WriteEntries(HKEY root, std::span<const RegistryEntry> entries);

// Removes the key `path` below `root` with everything under it; a key that is not there is
// no failure.
void RemoveTree(HKEY root, std::wstring_view path);

// Removes the key `path` below `root` when it holds neither values nor subkeys.
void RemoveIfEmpty(HKEY root, std::wstring_view path);

}  // namespace kovra::activex
