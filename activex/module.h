// The state of the loaded library as a whole: its module handle and path, and the counts that
// decide whether the system may unload it (live objects and LockServer locks).
#pragma once

#include <windows.h>

#include <string>

namespace kovra::activex::module {

// Called once from DllMain when the library is loaded.
void SetHandle(HMODULE handle);
// The library's own module handle (the test programs' own when linked statically).
HMODULE Handle();
// The full path of the library file, as registration writes it.
std::wstring Path();

// Every COM object of this library counts itself while it lives.
void ObjectCreated();
void ObjectDestroyed();
// IClassFactory::LockServer.
void Lock();
void Unlock();

// True when no object lives and no lock is held: DllCanUnloadNow answers S_OK.
bool CanUnload();

}  // namespace kovra::activex::module
