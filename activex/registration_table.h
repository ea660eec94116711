// What registering the control library writes, as data: every key and value below a classes
// root (HKEY_LOCAL_MACHINE\Software\Classes for all users, HKEY_CURRENT_USER\Software\Classes for
// one), and the facts the side-by-side manifest repeats. The type library's own keys are written
// by the system's type-library registration, not listed here.
#pragma once

#include <olectl.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovra::activex {

inline constexpr std::wstring_view kControlDisplayName = L"KovraDouble Control";
inline constexpr std::wstring_view kProgId = L"Kovra_Double.KovraDouble.1";
inline constexpr std::wstring_view kVersionIndependentProgId = L"Kovra_Double.KovraDouble";
inline constexpr std::wstring_view kThreadingModel = L"Apartment";
// The category "Controls" (CATID_Control): containers list the class among insertable controls.
inline constexpr std::wstring_view kControlCategory = L"{40FC6ED4-2438-11CF-A3DB-080036F12502}";

// The control's OLE status bits, with the names a manifest gives them. The control is an
// inside-out control: active in place as soon as it is visible (its edit box must exist to
// take the focus and keys), without a separate UI activation. It reads ambient properties and
// raises events through its site while it loads, so it wants the site first; it is redrawn at
// every new size, since its layout depends on its size; and nothing inside it can be linked to.
struct MiscStatusBit {
  DWORD bit;
  std::wstring_view manifestName;
};
inline constexpr std::array<MiscStatusBit, 5> kMiscStatusBits{{
    {OLEMISC_SETCLIENTSITEFIRST, L"setclientsitefirst"},
    {OLEMISC_ACTIVATEWHENVISIBLE, L"activatewhenvisible"},
    {OLEMISC_INSIDEOUT, L"insideout"},
    {OLEMISC_CANTLINKINSIDE, L"cantlinkinside"},
    {OLEMISC_RECOMPOSEONRESIZE, L"recomposeonresize"},
}};
DWORD MiscStatus();

// One key below the classes root, with one value (nullopt: the key alone).
struct RegistryEntry {
  std::wstring key;
  std::wstring valueName;  // empty: the key's default value
  std::optional<std::wstring> data;
};

// Every entry for the library at `modulePath`: the control class, its two ProgIDs and the
// property-page classes.
std::vector<RegistryEntry> RegistryEntries(std::wstring_view modulePath);

// The keys that registration creates whole (no entry above them): unregistration removes
// these trees and nothing else.
std::vector<std::wstring> OwnedKeys(const std::vector<RegistryEntry>& entries);

}  // namespace kovra::activex
