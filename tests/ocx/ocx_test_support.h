// What the tests of KovraDouble.ocx share: where the built library is (the test script passes
// its paths in the environment), which registration the prefix holds, and readers for the
// registry and for loaded libraries.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "activex/com_ptr.h"
#include "platform/win32/handles.h"

namespace kovra::ocx_test {

// KOVRA_OCX: the 64-bit library, loaded and run by the tests.
std::wstring OcxPath();
// KOVRA_OCX32: the 32-bit library, whose type library is read as data; empty when not given.
std::wstring Ocx32Path();
// The side-by-side manifest beside a library.
std::wstring ManifestBeside(const std::wstring& library);

// KOVRA_REGISTRATION: what the prefix holds when the tests run: "none", "machine" or "user".
std::wstring Registration();

// A string value of the registry, or nothing when the key or the value is missing.
std::optional<std::wstring> RegistryText(HKEY root, const std::wstring& key,
                                         const std::wstring& valueName = L"");
bool RegistryKeyExists(HKEY root, const std::wstring& key);

// True when the tests run under Wine rather than Windows.
bool RunningUnderWine();

// Two paths name the same file (case and short or long forms aside).
bool SamePath(const std::wstring& a, const std::wstring& b);

// The file of the library whose code serves a new instance of `classId`; empty when none can
// be created.
std::wstring CreatingLibrary(const CLSID& classId);

// The library loaded into the test process, with its entry points.
struct LoadedOcx {
  win32::UniqueLibrary module;
  HRESULT(STDAPICALLTYPE* getClassObject)(REFCLSID, REFIID, void**) = nullptr;
  HRESULT(STDAPICALLTYPE* canUnloadNow)() = nullptr;
  HRESULT(STDAPICALLTYPE* install)(BOOL, LPCWSTR) = nullptr;
};
LoadedOcx LoadOcx();

}  // namespace kovra::ocx_test
