#include "activex/registration_table.h"

#include <algorithm>

#include "activex/identifiers.h"
#include "resources/bitmaps.h"

namespace kovra::activex {

DWORD MiscStatus() {
  DWORD status = 0;
  for (const MiscStatusBit& bit : kMiscStatusBits) status |= bit.bit;
  return status;
}

std::vector<RegistryEntry> RegistryEntries(std::wstring_view modulePath) {
  const std::wstring path(modulePath);
  const std::wstring classKey = L"CLSID\\" + GuidText(kControlClass.id);
  const std::wstring classId = GuidText(kControlClass.id);
  const std::wstring progId(kProgId);
  const std::wstring independentProgId(kVersionIndependentProgId);
  const std::wstring name(kControlDisplayName);
  const std::wstring apartment(kThreadingModel);
  const std::wstring version =
      std::to_wstring(kLibraryMajorVersion) + L"." + std::to_wstring(kLibraryMinorVersion);

  std::vector<RegistryEntry> entries{
      {classKey, L"", name},
      {classKey + L"\\InprocServer32", L"", path},
      {classKey + L"\\InprocServer32", L"ThreadingModel", apartment},
      {classKey + L"\\ProgID", L"", progId},
      {classKey + L"\\VersionIndependentProgID", L"", independentProgId},
      {classKey + L"\\Control", L"", std::nullopt},
      {classKey + L"\\ToolboxBitmap32", L"",
       path + L"," + std::to_wstring(resources::kToolboxBitmapId)},
      // Status bits for every drawing aspect, and the same for the content aspect (1).
      {classKey + L"\\MiscStatus", L"", L"0"},
      {classKey + L"\\MiscStatus\\1", L"", std::to_wstring(MiscStatus())},
      {classKey + L"\\TypeLib", L"", GuidText(kLibraryId)},
      {classKey + L"\\Version", L"", version},
      {classKey + L"\\Implemented Categories\\" + std::wstring(kControlCategory), L"",
       std::nullopt},
      {progId, L"", name},
      {progId + L"\\CLSID", L"", classId},
      {independentProgId, L"", name},
      {independentProgId + L"\\CLSID", L"", classId},
      {independentProgId + L"\\CurVer", L"", progId},
  };
  for (const PageIdentity& page : kPages) {
    const std::wstring pageKey = L"CLSID\\" + GuidText(page.pageClass.id);
    entries.push_back({pageKey, L"", std::wstring(page.pageClass.name)});
    entries.push_back({pageKey + L"\\InprocServer32", L"", path});
    entries.push_back({pageKey + L"\\InprocServer32", L"ThreadingModel", apartment});
  }
  return entries;
}

std::vector<std::wstring> OwnedKeys(const std::vector<RegistryEntry>& entries) {
  const auto below = [](const std::wstring& key, const std::wstring& ancestor) {
    return key.size() > ancestor.size() && key.starts_with(ancestor) &&
           key[ancestor.size()] == L'\\';
  };
  std::vector<std::wstring> owned;
  for (const RegistryEntry& entry : entries) {
    const bool hasAncestor =
        std::any_of(entries.begin(), entries.end(),
                    [&](const RegistryEntry& other) { return below(entry.key, other.key); });
    if (!hasAncestor && std::find(owned.begin(), owned.end(), entry.key) == owned.end()) {
      owned.push_back(entry.key);
    }
  }
  return owned;
}

}  // namespace kovra::activex
