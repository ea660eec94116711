#include "activex/registry.h"

#include "activex/com_error.h"

namespace kovra::activex {
namespace {

void ThrowIfError(LSTATUS status) {
  if (status != ERROR_SUCCESS) throw ComError(HRESULT_FROM_WIN32(static_cast<DWORD>(status)));
}

}  // namespace

RegistryKey RegistryKey::Create(HKEY parent, std::wstring_view path) {
  const std::wstring name(path);
  RegistryKey key;
  ThrowIfError(::RegCreateKeyExW(parent, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_ALL_ACCESS, nullptr, &key.key_, nullptr));
  return key;
}

RegistryKey RegistryKey::Open(HKEY parent, std::wstring_view path, REGSAM access) {
  const std::wstring name(path);
  RegistryKey key;
  const LSTATUS status = ::RegOpenKeyExW(parent, name.c_str(), 0, access, &key.key_);
  if (status == ERROR_FILE_NOT_FOUND) return RegistryKey();
  ThrowIfError(status);
  return key;
}

void WriteEntries(HKEY root, std::span<const RegistryEntry> entries) {
  for (const RegistryEntry& entry : entries) {
    const RegistryKey key = RegistryKey::Create(root, entry.key);
    if (!entry.data) continue;
    const std::wstring& data = *entry.data;
    ThrowIfError(::RegSetValueExW(key.get(),
                                  entry.valueName.empty() ? nullptr : entry.valueName.c_str(), 0,
                                  REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                                  static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))));
  }
}

void RemoveTree(HKEY root, std::wstring_view path) {
  const std::wstring name(path);
  const LSTATUS status = ::RegDeleteTreeW(root, name.c_str());
  if (status != ERROR_FILE_NOT_FOUND) ThrowIfError(status);
}

void RemoveIfEmpty(HKEY root, std::wstring_view path) {
  const RegistryKey key = RegistryKey::Open(root, path, KEY_READ);
  if (!key) return;
  DWORD subkeys = 0;
  DWORD values = 0;
  ThrowIfError(::RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                                  &values, nullptr, nullptr, nullptr, nullptr));
  if (subkeys == 0 && values == 0) ThrowIfError(::RegDeleteKeyW(root, std::wstring(path).c_str()));
}

}  // namespace kovra::activex
