#include "activex/control_site.h"

#include <memory>
#include <vector>

#include "activex/com_object.h"
#include "activex/control_object.h"
#include "activex/identifiers.h"
#include "base/visit_helpers.h"

namespace kovra::activex {
namespace {

// The Data argument of the drag-and-drop events: an object of the library's DataObject
// interface, which has no members of its own.
class EventDataObject final : public ComObject<EventDataObject, IDispatch> {
 public:
  static std::span<const InterfaceEntry<EventDataObject>> Interfaces() {
    static const InterfaceEntry<EventDataObject> rows[] = {
        Answers<EventDataObject, IDispatch>(),
        {&kDataObjectInterface.id,
         [](EventDataObject& object) -> IUnknown* { return static_cast<IDispatch*>(&object); }}};
    return rows;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** out) override {
    if (out != nullptr) *out = nullptr;
    return DISP_E_BADINDEX;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID,
                                          DISPID* ids) override {
    for (UINT i = 0; ids != nullptr && i < count; ++i) ids[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return DISP_E_MEMBERNOTFOUND;
  }
};

// The by-reference VARIANTs of one event, last argument first as DISPPARAMS wants them. The
// data objects made for it are given back when the event is over, whatever a handler left in
// their variables.
class EventArguments {
 public:
  explicit EventArguments(std::span<EventArgument> arguments) {
    objects_.reserve(arguments.size());  // their addresses go into the VARIANTs
    for (auto it = arguments.rbegin(); it != arguments.rend(); ++it) {
      VARIANT value;
      ::VariantInit(&value);
      std::visit(Overloaded{
                     [&](std::int16_t* v) {
                       value.vt = VT_I2 | VT_BYREF;
                       value.piVal = v;
                     },
                     [&](std::int32_t* v) {
                       value.vt = VT_I4 | VT_BYREF;
                       value.plVal = reinterpret_cast<LONG*>(v);
                     },
                     [&](float* v) {
                       value.vt = VT_R4 | VT_BYREF;
                       value.pfltVal = v;
                     },
                     [&](DataObject*) {
                       objects_.push_back(MakeObject<EventDataObject>().Detach());
                       value.vt = VT_DISPATCH | VT_BYREF;
                       value.ppdispVal = &objects_.back();
                     },
                 },
                 *it);
      values_.push_back(value);
    }
  }
  ~EventArguments() {
    for (IDispatch* object : objects_) {
      if (object != nullptr) object->Release();
    }
  }
  EventArguments(const EventArguments&) = delete;
  EventArguments& operator=(const EventArguments&) = delete;

  DISPPARAMS Parameters() {
    return {values_.data(), nullptr, static_cast<UINT>(values_.size()), 0};
  }

 private:
  std::vector<VARIANT> values_;
  std::vector<IDispatch*> objects_;
};

}  // namespace

FontRef ControlSite::AmbientFont() { return std::make_shared<Font>(); }

bool ControlSite::AmbientUserMode() { return true; }

void ControlSite::PropertyChanged(std::wstring_view, std::int32_t dispatchId) {
  object_.MarkDirty();
  const std::vector<ComPtr<IUnknown>> sinks = object_.Connections().Notifications().Sinks();
  if (sinks.empty()) return;
  const ControlObject::EventHold hold(object_);
  for (const ComPtr<IUnknown>& sink : sinks) {
    static_cast<IPropertyNotifySink*>(sink.get())->OnChanged(dispatchId);
  }
}

void ControlSite::RaiseEvent(int dispatchId, std::span<EventArgument> arguments) {
  const std::vector<ComPtr<IUnknown>> sinks = object_.Connections().Events().Sinks();
  if (sinks.empty()) return;
  const ControlObject::EventHold hold(object_);
  EventArguments values(arguments);
  for (const ComPtr<IUnknown>& sink : sinks) {
    DISPPARAMS parameters = values.Parameters();
    // What a handler reports is its own business: the control goes on either way.
    static_cast<IDispatch*>(sink.get())
        ->Invoke(dispatchId, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, nullptr,
                 nullptr, nullptr);
  }
}

std::wstring ControlSite::ExtenderToolTipText() { return {}; }

std::uintptr_t ControlSite::DialogOwner() { return 0; }

}  // namespace kovra::activex
