// A client's sink of the control's events (`__KovraDouble`): it records each event's identifier
// in the order they come and lets a test act on each, by-reference arguments included.
#pragma once

#include <oaidl.h>

#include <algorithm>
#include <functional>
#include <span>
#include <vector>

#include "activex/com_object.h"
#include "activex/identifiers.h"
#include "activex/untyped_dispatch.h"

namespace kovra::ocx_test {

class EventRecorder final : public activex::ComObject<EventRecorder, activex::UntypedDispatch<>> {
 public:
  static std::span<const activex::InterfaceEntry<EventRecorder>> Interfaces() {
    static const activex::InterfaceEntry<EventRecorder> rows[] = {
        activex::Answers<EventRecorder, IDispatch>(),
        {&activex::kEventInterface.id,
         [](EventRecorder& sink) -> IUnknown* { return static_cast<IDispatch*>(&sink); }}};
    return rows;
  }

  std::vector<DISPID> raised;
  // Runs for each event after it is recorded; its arguments come last first.
  std::function<void(DISPID id, DISPPARAMS& arguments)> onEvent;

  int Count(DISPID id) const {
    return static_cast<int>(std::count(raised.begin(), raised.end(), id));
  }

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* arguments, VARIANT*,
                                   EXCEPINFO*, UINT*) override {
    raised.push_back(id);
    if (onEvent && arguments != nullptr) onEvent(id, *arguments);
    return S_OK;
  }
};

}  // namespace kovra::ocx_test
