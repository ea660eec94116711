#include "tools/container/event_log.h"

#include <ocidl.h>

#include <atomic>

#include "activex/com_values.h"
#include "activex/untyped_dispatch.h"
#include "tools/container/late_binding.h"

namespace kovra::container {
namespace {

using activex::Bstr;
using activex::ComPtr;

// The text of an event argument, by reference or not.
std::wstring ArgumentText(const VARIANT& argument) {
  if ((argument.vt & VT_BYREF) != 0 && (argument.vt & ~VT_BYREF) == VT_DISPATCH) return L"<object>";
  return TextOf(argument);
}

class Sink final : public activex::UntypedDispatch<> {
 public:
  Sink(IID events, EventLog::Listener listen) : events_(events), listen_(std::move(listen)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (::IsEqualGUID(iid, IID_IUnknown) || ::IsEqualGUID(iid, IID_IDispatch) ||
        ::IsEqualGUID(iid, events_)) {
      AddRef();
      *out = static_cast<IDispatch*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*,
                                   EXCEPINFO*, UINT*) override {
    DISPPARAMS none{};
    listen_(id, parameters != nullptr ? *parameters : none);
    return S_OK;
  }

 private:
  virtual ~Sink() = default;
  std::atomic<ULONG> references_{1};
  IID events_;
  EventLog::Listener listen_;
};

// The line of one event: its name and its arguments, named as the description names them.
std::wstring EventLine(ITypeInfo* type, const std::wstring& control, DISPID id,
                       const DISPPARAMS& parameters) {
  BSTR names[16] = {};
  UINT count = 0;
  if (type != nullptr) type->GetNames(id, names, 16, &count);
  std::wstring line = control + L": " +
                      (count > 0 ? std::wstring(names[0]) : L"event " + std::to_wstring(id)) + L"(";
  // Arguments come last first.
  for (UINT i = 0; i < parameters.cArgs; ++i) {
    if (i > 0) line += L", ";
    if (i + 1 < count) line += std::wstring(names[i + 1]) + L"=";
    line += ArgumentText(parameters.rgvarg[parameters.cArgs - 1 - i]);
  }
  for (UINT i = 0; i < count; ++i) ::SysFreeString(names[i]);
  return line + L")";
}

}  // namespace

EventLog::EventLog(IUnknown* control, const std::wstring& name, Writer write) {
  IID events{};
  ComPtr<ITypeInfo> type;
  if (!Describe(control, events, type)) return;
  Connect(control, events,
          [type, name, write = std::move(write)](DISPID id, DISPPARAMS& parameters) {
            write(EventLine(type.get(), name, id, parameters));
          });
}

EventLog::EventLog(IUnknown* control, Listener listen) {
  IID events{};
  ComPtr<ITypeInfo> type;
  if (Describe(control, events, type)) Connect(control, events, std::move(listen));
}

bool EventLog::Describe(IUnknown* control, IID& events, ComPtr<ITypeInfo>& type) {
  ComPtr<IProvideClassInfo2> info;
  if (control == nullptr ||
      FAILED(control->QueryInterface(IID_IProvideClassInfo2, info.PutVoid())) ||
      FAILED(info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events))) {
    return false;
  }
  ComPtr<ITypeInfo> classType;
  ComPtr<ITypeLib> library;
  UINT index = 0;
  if (SUCCEEDED(info->GetClassInfo(classType.Put())) &&
      SUCCEEDED(classType->GetContainingTypeLib(library.Put(), &index))) {
    library->GetTypeInfoOfGuid(events, type.Put());
  }
  return true;
}

void EventLog::Connect(IUnknown* control, const IID& events, Listener listen) {
  ComPtr<IConnectionPointContainer> points;
  if (FAILED(control->QueryInterface(IID_IConnectionPointContainer, points.PutVoid())) ||
      FAILED(points->FindConnectionPoint(events, point_.Put()))) {
    return;
  }
  auto* sink = new Sink(events, std::move(listen));
  if (FAILED(point_->Advise(sink, &cookie_))) point_.Reset();
  sink->Release();
}

EventLog::~EventLog() {
  if (point_) point_->Unadvise(cookie_);
}

}  // namespace kovra::container
