// What the Windows-only platform tests share: a fresh win32 test platform per test, the
// Shift-state bits and virtual-key codes they press, and texts made printable for messages.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <iomanip>
#include <memory>
#include <sstream>
#include <string>

#include "platform/text_box.h"
#include "tests/support/test_platform.h"

namespace kovra::test {

inline constexpr std::int16_t kShift = shift_state::Shift;
inline constexpr std::int16_t kCtrl = shift_state::Ctrl;

// Virtual-key codes the tests press beside those the headless box names.
inline constexpr std::int16_t kVkA = 'A';
inline constexpr std::int16_t kVkC = 'C';
inline constexpr std::int16_t kVkV = 'V';
inline constexpr std::int16_t kVkX = 'X';
inline constexpr std::int16_t kVkZ = 'Z';

// `text` with every character outside printable ASCII written as \uXXXX.
inline std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      std::ostringstream code;
      code << "\\u" << std::hex << std::setw(4) << std::setfill('0') << static_cast<int>(c);
      out += code.str();
    }
  }
  return out;
}

class Win32PlatformTest : public ::testing::Test {
 protected:
  Platform& Get() { return platform_->Get(); }

  std::unique_ptr<TestPlatform> platform_ = MakeTestPlatform(TestLocales().front());
};

}  // namespace kovra::test
