// A configurable regional number format: the separators and their grouping, with presets for
// the locales the tests use.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/lifetimebound.h"
#include "platform/locale.h"

namespace kovra::headless {

struct LocaleFormat {
  std::wstring name;       // "en-US"
  wchar_t decimal = L'.';  // decimal separator
  wchar_t group = L',';    // digit-group separator
};

class HeadlessLocale final : public Locale {
 public:
  explicit HeadlessLocale(LocaleFormat format = Preset(L"en-US").value());

  const LocaleFormat& Format() const KOVRA_LIFETIMEBOUND { return format_; }
  void SetFormat(LocaleFormat format) { format_ = std::move(format); }

  std::wstring FormatNumber(std::wstring_view number, int decimals) const override;

  // "en-US", "de-DE", "fr-FR" (no-break space), "de-CH" (apostrophe) and "x-kovra", a made-up
  // locale with a middle dot for decimals and a plain space for groups.
  static std::optional<LocaleFormat> Preset(std::wstring_view name);
  static std::vector<LocaleFormat> Presets();

 private:
  LocaleFormat format_;
};

}  // namespace kovra::headless
