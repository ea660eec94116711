#include "tools/container/text_form_bag.h"

#include <oleauto.h>
#include <olectl.h>

#include "activex/com_error.h"
#include "activex/com_values.h"
#include "activex/font_link.h"
#include "activex/standard_objects.h"
#include "activex/value_bridge.h"

namespace kovra::container {
namespace {

using activex::ComError;
using activex::ComPtr;
using activex::ComVariant;

// Numbers, Booleans and texts cross as the value bridge carries them; it needs a font link
// for objects only, which this bag converts itself.
activex::FontLink& PlainValues() {
  static activex::FontLink link([](const FontRef&) {});
  return link;
}

// A value a control writes, as the core holds it: a font object as its attributes, a picture
// object as the core's picture, no object at all as Empty.
Variant StoredValue(const VARIANT& in) {
  if (in.vt == VT_DISPATCH || in.vt == VT_UNKNOWN) {
    IUnknown* object = in.punkVal;
    if (object == nullptr) return std::monostate{};
    ComPtr<IFont> font;
    if (SUCCEEDED(object->QueryInterface(IID_IFont, font.PutVoid()))) {
      return std::make_shared<Font>(activex::ReadFontObject(font.get()));
    }
    return activex::PictureFrom(object);
  }
  return activex::ArgumentValue(in, ValueType::None, PlainValues());
}

// The stored value as a VARIANT: a font as a new standard font object.
void HandedValue(const Variant& value, VARIANT* out) {
  if (const auto* font = std::get_if<FontRef>(&value); font != nullptr && *font) {
    ComPtr<IDispatch> object = activex::NewFontObject(**font).As<IDispatch>();
    if (!object) throw ComError(E_NOINTERFACE);
    out->vt = VT_DISPATCH;
    out->pdispVal = object.Detach();
    return;
  }
  activex::ResultValue(value, out, PlainValues());
}

}  // namespace

ComVariant AutomationValue(const Variant& value) {
  ComVariant handed;
  HandedValue(value, handed.Put());
  return handed;
}

HRESULT STDMETHODCALLTYPE TextFormBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) {
  if (name == nullptr || value == nullptr) return E_POINTER;
  const std::wstring_view key(name);
  const Variant* kept = nullptr;
  for (const auto& [entry, stored] : bag_.Entries()) {
    if (entry == key) kept = &stored;
  }
  if (kept == nullptr) return E_INVALIDARG;
  const VARTYPE asked = value->vt;
  try {
    if (asked == VT_DISPATCH && std::holds_alternative<std::monostate>(*kept)) {
      value->pdispVal = nullptr;  // no object was saved
      return S_OK;
    }
    ComVariant held = AutomationValue(*kept);
    ::VariantInit(value);
    VARIANT* source = const_cast<VARIANT*>(&held.get());
    const bool asIs = asked == VT_EMPTY || asked == source->vt ||
                      ((asked == VT_DISPATCH || asked == VT_UNKNOWN) && source->vt == VT_DISPATCH);
    return asIs ? ::VariantCopy(value, source) : ::VariantChangeType(value, source, 0, asked);
  } catch (const ComError& error) {
    return error.result();
  } catch (...) {
    return E_FAIL;
  }
}

HRESULT STDMETHODCALLTYPE TextFormBag::Write(LPCOLESTR name, VARIANT* value) {
  if (name == nullptr || value == nullptr) return E_POINTER;
  try {
    bag_.Put(name, StoredValue(*value));
    return S_OK;
  } catch (const ComError& error) {
    return error.result();
  } catch (...) {
    return E_FAIL;
  }
}

std::wstring SaveAsText(IUnknown* control) {
  ComPtr<IPersistPropertyBag> persist;
  activex::ThrowIfFailed(control->QueryInterface(IID_IPersistPropertyBag, persist.PutVoid()));
  const auto bag = activex::MakeObject<TextFormBag>();
  activex::ThrowIfFailed(persist->Save(bag.get(), TRUE, TRUE));
  return bag->Text();
}

void LoadFromText(IUnknown* control, std::wstring_view text) {
  ComPtr<IPersistPropertyBag> persist;
  activex::ThrowIfFailed(control->QueryInterface(IID_IPersistPropertyBag, persist.PutVoid()));
  const auto bag = activex::MakeObject<TextFormBag>(text);
  activex::ThrowIfFailed(persist->Load(bag.get(), nullptr));
}

}  // namespace kovra::container
