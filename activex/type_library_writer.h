// Writes the type library Kovra_Double from the core's tables: the fifteen enumerations, the
// drag-and-drop DataObject, the control's dual interface _KovraDouble with its 57 members, the
// event interface __KovraDouble with its 18 events, the control class KovraDouble and the three
// property-page classes with their empty interfaces.
#pragma once

#include <oaidl.h>

#include <string>

namespace kovra::activex {

// Writes the library file at `path` for the given system (SYS_WIN32 for the 32-bit library,
// SYS_WIN64 for the 64-bit one). Throws ComError when the system refuses any part.
void WriteTypeLibrary(const std::wstring& path, SYSKIND system);

}  // namespace kovra::activex
