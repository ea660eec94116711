#include "tests/support/control_fixture.h"

#include <cctype>

#include "core/events.h"
#include "tools/script_words.h"

namespace kovra::test {

std::wstring Localized(std::wstring_view enUs, const Separators& separators) {
  return tools::WithSeparators(enUs, separators);
}

std::vector<std::wstring> ControlTest::EventNames() {
  std::vector<std::wstring> names;
  for (const auto& e : platform_->Container().events) names.emplace_back(event::Name(e.dispatchId));
  return names;
}

std::string LocaleTestName(const ::testing::TestParamInfo<std::wstring>& info) {
  std::string name;
  for (wchar_t c : info.param) {
    name += std::isalnum(static_cast<int>(c)) != 0 ? static_cast<char>(c) : '_';
  }
  return name;
}

}  // namespace kovra::test
