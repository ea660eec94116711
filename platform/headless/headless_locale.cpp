#include "platform/headless/headless_locale.h"

#include <array>

#include "base/control_error.h"
#include "base/number_text.h"

namespace kovra::headless {

namespace {

const std::array<LocaleFormat, 5> kPresets{{
    {L"en-US", L'.', L','},
    {L"de-DE", L',', L'.'},
    {L"fr-FR", L',', L'\u00A0'},
    {L"de-CH", L'.', L'\''},
    {L"x-kovra", L'\u00B7', L' '},
}};

}  // namespace

HeadlessLocale::HeadlessLocale(LocaleFormat format) : format_(std::move(format)) {}

std::wstring HeadlessLocale::FormatNumber(std::wstring_view number, int decimals) const {
  if (decimals < 0) throw ControlError(ErrorCode::InvalidArgument);
  const double value = ParseNumber(number, Separators{L'.', L','});
  const NumberMask mask{.grouped = true, .point = decimals > 0, .decimals = decimals};
  return kovra::FormatNumber(value, mask, Separators{format_.decimal, format_.group});
}

std::optional<LocaleFormat> HeadlessLocale::Preset(std::wstring_view name) {
  for (const LocaleFormat& f : kPresets) {
    if (f.name == name) return f;
  }
  return std::nullopt;
}

std::vector<LocaleFormat> HeadlessLocale::Presets() { return {kPresets.begin(), kPresets.end()}; }

}  // namespace kovra::headless
