// What the persistence tests share: the saved keys in their order, a control whose saved
// properties all differ from their defaults, and the library's binary form of a control's state
// in memory, which is also how the tests compare two states.
#pragma once

#include <oaidl.h>
#include <ocidl.h>
#include <olectl.h>

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "tests/ocx/control_client.h"

namespace kovra::ocx_test {

// The keys a control saves, in the order it saves them ("MouseIcon" twice).
extern const std::array<std::wstring_view, 42> kSavedKeys;

// A standard font object and a standard picture object (the application icon).
ComPtr<IFont> NewFont(const wchar_t* name, int points, bool bold);
ComPtr<IPictureDisp> NewIconPicture();

// Gives every saved property of `control` a value other than its default.
void GiveDistinctValues(IDispatch* control);

// The control's state in the library's binary form (IPersistStreamInit::Save); empty when it
// cannot be saved.
std::vector<std::byte> SavedForm(IUnknown* control);
// IPersistStreamInit::Load from `form`; the stream is left where the load stopped.
HRESULT LoadForm(IUnknown* control, std::span<const std::byte> form);

}  // namespace kovra::ocx_test
