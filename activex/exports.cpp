// The library's five entry points: the system creates instances through DllGetClassObject,
// unloads the library when DllCanUnloadNow allows it, and registers it through
// DllRegisterServer / DllUnregisterServer (regsvr32) or DllInstall (regsvr32 /n /i:user).
#include <objbase.h>
#include <olectl.h>
#include <shlwapi.h>
#include <windows.h>

#include <cwctype>
#include <string_view>

#include "activex/class_factory.h"
#include "activex/module.h"
#include "activex/registration.h"
#include "activex/thread_share.h"

namespace {

using kovra::activex::RegistrationScope;

bool SameWord(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return true;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    kovra::activex::module::SetHandle(instance);
    ::DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

STDAPI DllCanUnloadNow() {
  kovra::activex::ThreadShare::EndLingeringOfThisThread();
  return kovra::activex::module::CanUnload() ? S_OK : S_FALSE;
}

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, LPVOID* out) {
  return kovra::activex::GetClassObject(classId, iid, out);
}

// Machine-wide registration (administrator rights).
STDAPI DllRegisterServer() { return kovra::activex::Register(RegistrationScope::Machine); }

STDAPI DllUnregisterServer() { return kovra::activex::Unregister(RegistrationScope::Machine); }

// "user" registers (or removes) the control for the current user only; no text or "machine"
// does it machine-wide.
STDAPI DllInstall(BOOL install, LPCWSTR commandLine) {
  const std::wstring_view word = commandLine != nullptr ? commandLine : L"";
  RegistrationScope scope;
  if (SameWord(word, L"user")) {
    scope = RegistrationScope::User;
  } else if (word.empty() || SameWord(word, L"machine")) {
    scope = RegistrationScope::Machine;
  } else {
    return E_INVALIDARG;
  }
  return install ? kovra::activex::Register(scope) : kovra::activex::Unregister(scope);
}
