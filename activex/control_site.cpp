#include "activex/control_site.h"

#include <olectl.h>

#include <memory>
#include <utility>
#include <vector>

#include "activex/com_object.h"
#include "activex/com_values.h"
#include "activex/control_object.h"
#include "activex/identifiers.h"
#include "activex/standard_objects.h"
#include "activex/untyped_dispatch.h"
#include "base/visit_helpers.h"

namespace kovra::activex {
namespace {

// The Data argument of the drag-and-drop events: an object of the library's DataObject
// interface, which has no members of its own.
class EventDataObject final : public ComObject<EventDataObject, UntypedDispatch<>> {
 public:
  static std::span<const InterfaceEntry<EventDataObject>> Interfaces() {
    static const InterfaceEntry<EventDataObject> rows[] = {
        Answers<EventDataObject, IDispatch>(),
        {&kDataObjectInterface.id,
         [](EventDataObject& object) -> IUnknown* { return static_cast<IDispatch*>(&object); }}};
    return rows;
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

// Reads the ambient property `id` from the site's IDispatch; false when there is none.
bool AmbientProperty(ControlObject& object, DISPID id, ComVariant& value) {
  IDispatch* ambient = object.Embedded().Ambient();
  if (ambient == nullptr) return false;
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  return SUCCEEDED(ambient->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                                   value.Put(), nullptr, nullptr));
}

// Converts `value` in place; false when it cannot be.
bool ChangeType(ComVariant& value, VARTYPE type) {
  auto* v = const_cast<VARIANT*>(&value.get());
  return SUCCEEDED(::VariantChangeType(v, v, 0, type));
}

}  // namespace

FontRef ControlSite::AmbientFont() {
  ComVariant font;
  if (AmbientProperty(object_, DISPID_AMBIENT_FONT, font)) {
    const VARIANT& v = font.get();
    IUnknown* unknown = v.vt == VT_DISPATCH ? v.pdispVal : v.vt == VT_UNKNOWN ? v.punkVal : nullptr;
    ComPtr<IFont> object;
    if (unknown != nullptr && SUCCEEDED(unknown->QueryInterface(IID_IFont, object.PutVoid()))) {
      return std::make_shared<Font>(ReadFontObject(object.get()));
    }
  }
  return std::make_shared<Font>();
}

bool ControlSite::AmbientUserMode() {
  ComVariant mode;
  if (!AmbientProperty(object_, DISPID_AMBIENT_USERMODE, mode) || !ChangeType(mode, VT_BOOL)) {
    return true;
  }
  return mode.get().boolVal != VARIANT_FALSE;
}

void ControlSite::PropertyChanged(std::wstring_view, std::int32_t dispatchId) {
  object_.MarkDirty();
  object_.ViewChanged();
  const std::vector<ComPtr<IUnknown>> sinks = object_.Connections().Notifications().Sinks();
  if (sinks.empty()) return;
  const ControlObject::EventHold hold(object_);
  for (const ComPtr<IUnknown>& sink : sinks) {
    static_cast<IPropertyNotifySink*>(sink.get())->OnChanged(dispatchId);
  }
}

void ControlSite::RaiseEvent(int dispatchId, std::span<EventArgument> arguments) {
  if (frozen_ == 0) return Deliver(dispatchId, arguments);
  HeldEvent event{dispatchId, {}};
  for (const EventArgument& argument : arguments) {
    if (std::holds_alternative<DataObject*>(argument)) return;
    std::visit(
        Overloaded{[&](DataObject*) {}, [&](auto* value) { event.values.push_back(*value); }},
        argument);
  }
  held_.push_back(std::move(event));
}

void ControlSite::FreezeEvents(bool freeze) {
  if (freeze) {
    ++frozen_;
  } else if (frozen_ > 0 && --frozen_ == 0) {
    RaiseHeld();
  }
}

void ControlSite::RaiseHeld() {
  std::vector<HeldEvent> held = std::exchange(held_, {});
  for (HeldEvent& event : held) {
    if (frozen_ > 0) {  // a handler froze them again: the rest waits for the next thaw
      held_.push_back(std::move(event));
      continue;
    }
    std::vector<EventArgument> arguments;
    for (auto& value : event.values) {
      std::visit([&](auto& v) { arguments.emplace_back(&v); }, value);
    }
    Deliver(event.dispatchId, arguments);
  }
}

void ControlSite::Deliver(int dispatchId, std::span<EventArgument> arguments) {
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

std::wstring ControlSite::ExtenderToolTipText() {
  IOleControlSite* site = object_.Embedded().ControlSite();
  ComPtr<IDispatch> extender;
  if (site == nullptr || FAILED(site->GetExtendedControl(extender.Put())) || !extender) return {};
  wchar_t name[] = L"ToolTipText";
  LPOLESTR names[] = {name};
  DISPID id = DISPID_UNKNOWN;
  if (FAILED(extender->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return {};
  ComVariant text;
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  if (FAILED(extender->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                              text.Put(), nullptr, nullptr)) ||
      !ChangeType(text, VT_BSTR)) {
    return {};
  }
  const BSTR b = text.get().bstrVal;
  return b != nullptr ? std::wstring(b, ::SysStringLen(b)) : std::wstring();
}

std::uintptr_t ControlSite::DialogOwner() {
  return reinterpret_cast<std::uintptr_t>(object_.Embedded().DialogOwner());
}

void ControlSite::ModalBoxShown(bool up) { object_.Embedded().EnableModeless(!up); }

}  // namespace kovra::activex
