#include "activex/saved_properties.h"

#include <cmath>

#include "base/control_error.h"
#include "base/visit_helpers.h"

namespace kovra::activex {
namespace {

bool Acceptable(const Variant& value) {
  return std::visit(Overloaded{
                        [](float v) { return std::isfinite(v); },
                        [](double v) { return std::isfinite(v); },
                        [](const std::wstring& text) { return text.size() <= kMaxSavedText; },
                        [](const FontRef& font) {
                          return font && !font->name.empty() && font->name.size() <= kMaxFontName &&
                                 std::isfinite(font->size) && font->size > 0 &&
                                 font->size <= kMaxFontSize;
                        },
                        [](const auto&) { return true; },
                    },
                    value);
}

std::string Narrow(std::wstring_view text) {
  std::string narrow;
  for (const wchar_t c : text) narrow.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return narrow;
}

}  // namespace

Variant SavedProperties::ReadProperty(std::wstring_view name, const Variant& defaultValue) {
  const Variant* value = Find(name);
  return value != nullptr ? *value : defaultValue;
}

void SavedProperties::WriteProperty(std::wstring_view name, const Variant& value, const Variant&) {
  Put(name, value);
}

void SavedProperties::Put(std::wstring_view name, Variant value) {
  for (auto& [key, kept] : values_) {
    if (key == name) {
      kept = std::move(value);
      return;
    }
  }
  values_.emplace_back(std::wstring(name), std::move(value));
}

const Variant* SavedProperties::Find(std::wstring_view name) const {
  for (const auto& [key, value] : values_) {
    if (key == name) return &value;
  }
  return nullptr;
}

void SavedProperties::Check() const {
  for (const auto& [key, value] : values_) {
    if (!Acceptable(value)) {
      throw ControlError(ErrorCode::InvalidPropertyValue,
                         "Invalid property value: the saved " + Narrow(key) + " cannot be loaded");
    }
  }
}

}  // namespace kovra::activex
