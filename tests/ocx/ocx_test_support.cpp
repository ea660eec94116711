#include "tests/ocx/ocx_test_support.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace kovra::ocx_test {
namespace {

std::wstring Environment(const wchar_t* name) {
  const DWORD size = ::GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  value.resize(::GetEnvironmentVariableW(name, value.data(), size));
  return value;
}

std::wstring LongForm(const std::wstring& path) {
  wchar_t full[MAX_PATH * 4];
  const DWORD length = ::GetFullPathNameW(path.c_str(), MAX_PATH * 4, full, nullptr);
  if (length == 0 || length >= MAX_PATH * 4) return path;
  wchar_t longer[MAX_PATH * 4];
  const DWORD longLength = ::GetLongPathNameW(full, longer, MAX_PATH * 4);
  if (longLength == 0 || longLength >= MAX_PATH * 4) return full;
  return longer;
}

}  // namespace

std::wstring OcxPath() { return Environment(L"KOVRA_OCX"); }
std::wstring Ocx32Path() { return Environment(L"KOVRA_OCX32"); }

std::wstring ManifestBeside(const std::wstring& library) {
  return (std::filesystem::path(library).parent_path() / L"KovraDouble.manifest").wstring();
}

std::wstring Registration() {
  const std::wstring value = Environment(L"KOVRA_REGISTRATION");
  return value.empty() ? L"none" : value;
}

std::optional<std::wstring> RegistryText(HKEY root, const std::wstring& key,
                                         const std::wstring& valueName) {
  DWORD bytes = 0;
  const wchar_t* name = valueName.empty() ? nullptr : valueName.c_str();
  if (::RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1);
  if (::RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text.data(), &bytes) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(text.data());
}

bool RegistryKeyExists(HKEY root, const std::wstring& key) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  ::RegCloseKey(opened);
  return true;
}

bool RunningUnderWine() {
  const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return ::CompareStringOrdinal(LongForm(a).c_str(), -1, LongForm(b).c_str(), -1, TRUE) ==
         CSTR_EQUAL;
}

std::wstring CreatingLibrary(const CLSID& classId) {
  activex::ComPtr<IUnknown> object;
  if (FAILED(::CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                object.PutVoid()))) {
    return {};
  }
  // An object's vtable lies in the module that made it.
  HMODULE module = nullptr;
  if (!::GetModuleHandleExW(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          *reinterpret_cast<LPCWSTR*>(object.get()), &module)) {
    return {};
  }
  wchar_t path[MAX_PATH];
  const DWORD length = ::GetModuleFileNameW(module, path, MAX_PATH);
  return std::wstring(path, length);
}

LoadedOcx LoadOcx() {
  LoadedOcx ocx;
  ocx.module.reset(::LoadLibraryW(OcxPath().c_str()));
  if (!ocx.module) return ocx;
  const auto entry = [&](const char* name) { return ::GetProcAddress(ocx.module.get(), name); };
  ocx.getClassObject = reinterpret_cast<decltype(ocx.getClassObject)>(
      reinterpret_cast<void*>(entry("DllGetClassObject")));
  ocx.canUnloadNow = reinterpret_cast<decltype(ocx.canUnloadNow)>(
      reinterpret_cast<void*>(entry("DllCanUnloadNow")));
  ocx.install =
      reinterpret_cast<decltype(ocx.install)>(reinterpret_cast<void*>(entry("DllInstall")));
  return ocx;
}

}  // namespace kovra::ocx_test
