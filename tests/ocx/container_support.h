// What the tests of the control on a form share: forms of new controls, the texts and places of
// windows, and the connection of an event sink.
#pragma once

#include <ocidl.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "activex/com_ptr.h"
#include "tools/container/form.h"

namespace kovra::ocx_test {

using activex::ComPtr;
using container::Form;
using container::SitePolicy;

// A form of `count` new controls in a column (120 × 24 pixels, 40 apart), active in place.
std::unique_ptr<Form> FormOf(int count, const SitePolicy& policy = {});

bool Logged(const std::vector<std::wstring>& log, const std::wstring& line);
std::wstring WindowText(HWND window);
// A child window's place in its parent's client area.
RECT WindowPlace(HWND window);
SIZE ClientSize(HWND window);

// Connects `sink` to the control's events; the connection's cookie.
DWORD Connect(IDispatch* control, IDispatch* sink, ComPtr<IConnectionPoint>& point);

}  // namespace kovra::ocx_test
