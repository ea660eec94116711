// The container's property bag: named values, each written together with its default.
#pragma once

#include <string_view>

#include "base/variant.h"

namespace kovra {

class PropertyBag {
 public:
  virtual ~PropertyBag() = default;
  // The saved value of `name`, or `defaultValue` when there is none.
  virtual Variant ReadProperty(std::wstring_view name, const Variant& defaultValue) = 0;
  // Saves `value` under `name`; a bag may leave out a value equal to its default.
  virtual void WriteProperty(std::wstring_view name, const Variant& value,
                             const Variant& defaultValue) = 0;
};

}  // namespace kovra
