// A selected control as a property page reaches it: properties read and written by name through
// late binding, as a design environment's objects allow. ControlTarget is the composed control
// itself; a design environment's objects (IDispatch) and test recorders are others.
#pragma once

#include <string_view>

#include "base/variant.h"
#include "control/kovra_double.h"

namespace kovra::pages {

class PageTarget {
 public:
  virtual ~PageTarget() = default;
  // The property's value. Throws ControlError as the control's getter does.
  virtual Variant GetProperty(std::wstring_view name) = 0;
  // Assigns by value through the control's own setter, which checks, converts and shows its
  // own message for a value it refuses. Throws ControlError for a value it cannot convert.
  virtual void PutProperty(std::wstring_view name, const Variant& value) = 0;
};

class ControlTarget final : public PageTarget {
 public:
  // `control` must outlive the target.
  explicit ControlTarget(KovraDouble& control) : control_(control) {}
  Variant GetProperty(std::wstring_view name) override { return control_.GetProperty(name); }
  void PutProperty(std::wstring_view name, const Variant& value) override {
    control_.PutProperty(name, value, PutKind::Let);
  }

 private:
  KovraDouble& control_;
};

}  // namespace kovra::pages
