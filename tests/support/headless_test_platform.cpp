#include "platform/headless/headless_platform.h"
#include "tests/support/test_platform.h"

namespace kovra::test {

namespace {

class HeadlessTestPlatform final : public TestPlatform {
 public:
  explicit HeadlessTestPlatform(const headless::LocaleFormat& locale) : platform_(locale) {}
  Platform& Get() override { return platform_; }
  headless::RecordingContainer& Container() override { return platform_.container; }
  std::vector<headless::ShownMessage> Messages() override { return platform_.messages.shown; }
  Clipboard& GetClipboard() override { return platform_.clipboard; }

 private:
  headless::HeadlessPlatform platform_;
};

}  // namespace

std::vector<std::wstring> TestLocales() {
  std::vector<std::wstring> names;
  for (const headless::LocaleFormat& f : headless::HeadlessLocale::Presets()) {
    names.push_back(f.name);
  }
  return names;
}

std::unique_ptr<TestPlatform> MakeTestPlatform(const std::wstring& locale) {
  return std::make_unique<HeadlessTestPlatform>(headless::HeadlessLocale::Preset(locale).value());
}

}  // namespace kovra::test
