// The container's own property bag: what a control writes through IPersistPropertyBag kept as
// the readable text form of a saved control (one `Key = value` a line, as
// platform/headless/text_property_bag.h spells it), and handed back from that text. A font
// crosses as its attributes; a picture as its description only, so a picture a control holds
// does not survive the text form.
#pragma once

#include <ocidl.h>

#include <string>
#include <string_view>

#include "activex/com_object.h"
#include "activex/com_values.h"
#include "platform/headless/text_property_bag.h"

namespace kovra::container {

class TextFormBag final : public activex::ComObject<TextFormBag, IPropertyBag> {
 public:
  // An empty bag, or one that holds what `text` says (throws std::invalid_argument naming the
  // line that is not of the text form).
  TextFormBag() = default;
  explicit TextFormBag(std::wstring_view text) : bag_(headless::TextPropertyBag::Load(text)) {}

  std::wstring Text() const { return bag_.Save(); }

  // A key the bag does not hold is E_INVALIDARG, as a host's bag answers; a value comes back
  // in the type asked for when the caller names one.
  HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) override;
  HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override;

 private:
  headless::TextPropertyBag bag_{false};
};

// A value of the text form as a client hands it to a control: numbers, Booleans and texts in
// their Automation types, a font as a new standard font object.
activex::ComVariant AutomationValue(const Variant& value);

// The control's saved properties (IPersistPropertyBag::Save) in the text form. Throws
// activex::ComError when the control does not save into a bag or fails to.
std::wstring SaveAsText(IUnknown* control);
// Loads the control (IPersistPropertyBag::Load) from the text form. Throws
// std::invalid_argument for a text that is not of the form, activex::ComError when the
// control refuses it.
void LoadFromText(IUnknown* control, std::wstring_view text);

}  // namespace kovra::container
