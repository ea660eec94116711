// A property bag in memory with a readable text form, one `Key = value` per line, in the
// spelling of a form file: 2 (16-bit), 2& or &H80000005& (32-bit), 8.25! (Single),
// 900000000000# (Double), True / False, "text" ("" a quote, \\ a backslash, \u000A a control
// character), Font("Tahoma", 8.25!, True,
// False, False, False) (name, size, bold, italic, underline, strikethrough), Picture("name"),
// Empty. It remembers the keys in the order they were first written and which keys were read.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/lifetimebound.h"
#include "platform/property_bag.h"

namespace kovra::headless {

class TextPropertyBag final : public PropertyBag {
 public:
  // `omitDefaults`: a value equal to its default is not stored, as form files do.
  explicit TextPropertyBag(bool omitDefaults = true) : omitDefaults_(omitDefaults) {}

  Variant ReadProperty(std::wstring_view name, const Variant& defaultValue) override;
  void WriteProperty(std::wstring_view name, const Variant& value,
                     const Variant& defaultValue) override;

  // The text form, and reading it back. Load throws std::invalid_argument naming the line.
  std::wstring Save() const;
  static TextPropertyBag Load(std::wstring_view text);

  // Sets or removes a value directly (for tests and the driver).
  void Put(std::wstring_view name, Variant value);
  void Remove(std::wstring_view name);
  const std::vector<std::pair<std::wstring, Variant>>& Entries() const KOVRA_LIFETIMEBOUND {
    return entries_;
  }
  // Every key asked for by ReadProperty, in order, repeats included.
  const std::vector<std::wstring>& KeysRead() const KOVRA_LIFETIMEBOUND { return keysRead_; }
  // Every key handed to WriteProperty, in order, repeats and omitted defaults included.
  const std::vector<std::wstring>& KeysWritten() const KOVRA_LIFETIMEBOUND { return keysWritten_; }

  // One value in the text form, and back (throws std::invalid_argument).
  static std::wstring FormatValue(const Variant& value);
  static Variant ParseValue(std::wstring_view text);

 private:
  bool omitDefaults_;
  std::vector<std::pair<std::wstring, Variant>> entries_;
  std::vector<std::wstring> keysRead_;
  std::vector<std::wstring> keysWritten_;
};

// Whether two bag values are the same value (a default given as 0 equals False).
bool SameBagValue(const Variant& a, const Variant& b);

}  // namespace kovra::headless
