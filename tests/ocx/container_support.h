// What the tests of the control on a form share: forms of new controls, the texts and places of
// windows, and an event sink that counts.
#pragma once

#include <ocidl.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "activex/com_object.h"
#include "activex/identifiers.h"
#include "activex/untyped_dispatch.h"
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

// A sink of the control's events that counts them by identifier.
class EventCounter final : public activex::ComObject<EventCounter, activex::UntypedDispatch<>> {
 public:
  static std::span<const activex::InterfaceEntry<EventCounter>> Interfaces() {
    static const activex::InterfaceEntry<EventCounter> rows[] = {
        activex::Answers<EventCounter, IDispatch>(),
        {&activex::kEventInterface.id,
         [](EventCounter& sink) -> IUnknown* { return static_cast<IDispatch*>(&sink); }}};
    return rows;
  }
  std::vector<DISPID> raised;
  int Count(DISPID id) const {
    return static_cast<int>(std::count(raised.begin(), raised.end(), id));
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    raised.push_back(id);
    return S_OK;
  }
};

// Connects `sink` to the control's events; the connection's cookie.
DWORD Connect(IDispatch* control, IDispatch* sink, ComPtr<IConnectionPoint>& point);

}  // namespace kovra::ocx_test
