// The control's saved values in memory, between the control's WriteProperties and
// ReadProperties on one side and a store on the other (the host's property bag, a stream or a
// storage in the library's binary form). Loading reads the whole store into one of these and
// checks it before anything is applied, so that a store that cannot be loaded leaves the
// control as it was.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/variant.h"
#include "platform/property_bag.h"

namespace kovra::activex {

// The longest text a saved value may hold: room for a Value with 32767 decimals.
inline constexpr std::size_t kMaxSavedText = 65536;
// The longest font name, and the largest font size in points, a saved font may have.
inline constexpr std::size_t kMaxFontName = 255;
inline constexpr float kMaxFontSize = 2048.0f;

class SavedProperties final : public PropertyBag {
 public:
  // The saved value of `name`, or `defaultValue` when it has none.
  Variant ReadProperty(std::wstring_view name, const Variant& defaultValue) override;
  // Keeps `value` under `name` (a key written twice keeps its last value).
  void WriteProperty(std::wstring_view name, const Variant& value,
                     const Variant& defaultValue) override;

  void Put(std::wstring_view name, Variant value);
  // The saved value of `name`, or nullptr.
  const Variant* Find(std::wstring_view name) const;

  // Throws ControlError(InvalidPropertyValue), naming the key, for the first value that no
  // property can take: a number that is not finite, a text longer than kMaxSavedText, no font
  // or a font without a name, with a longer one or with a size that is not a positive number
  // up to kMaxFontSize. Whether a value suits its property is the control's to say when the
  // values are applied.
  void Check() const;

 private:
  std::vector<std::pair<std::wstring, Variant>> values_;
};

}  // namespace kovra::activex
