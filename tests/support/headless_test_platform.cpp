#include "tests/support/test_platform.h"
#include "tools/headless_script_platform.h"

namespace kovra::test {

std::vector<std::wstring> TestLocales() {
  std::vector<std::wstring> names;
  for (const headless::LocaleFormat& f : headless::HeadlessLocale::Presets()) {
    names.push_back(f.name);
  }
  return names;
}

std::unique_ptr<TestPlatform> MakeTestPlatform(const std::wstring& locale) {
  return std::make_unique<tools::HeadlessScriptPlatform>(
      headless::HeadlessLocale::Preset(locale).value());
}

std::optional<Separators> KnownSeparators(const std::wstring& locale) {
  const headless::LocaleFormat format = headless::HeadlessLocale::Preset(locale).value();
  return Separators{format.decimal, format.group};
}

}  // namespace kovra::test
