// A selected object as a property page reaches it: its properties read and written by name
// through its IDispatch, as a design environment's objects allow (late-bound get and put). The
// object's own errors come back as the control's errors: the Automation number it reports in
// its exception information, 13 for a value it cannot take at all.
#pragma once

#include <oaidl.h>

#include "activex/com_ptr.h"
#include "pages/page_target.h"

namespace kovra::activex {

class DispatchPageTarget final : public pages::PageTarget {
 public:
  explicit DispatchPageTarget(ComPtr<IDispatch> object) : object_(std::move(object)) {}

  // Throws ControlError when the object cannot give the property.
  Variant GetProperty(std::wstring_view name) override;
  // Throws ControlError when the object refuses the value with an error.
  void PutProperty(std::wstring_view name, const Variant& value) override;

 private:
  DISPID IdOf(std::wstring_view name);

  ComPtr<IDispatch> object_;
};

}  // namespace kovra::activex
