// The platform the shared behaviour tests run on: headless natively (once per locale preset),
// the real win32 platform under Wine (with the locale of the Wine prefix). The same test data
// runs on both; a difference between them is a bug in one.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "tools/script_platform.h"

namespace kovra::test {

using TestPlatform = tools::ScriptPlatform;

// The locales the shared cases run under: the headless presets natively, "system" on Windows.
std::vector<std::wstring> TestLocales();
// A fresh platform for `locale` (one of TestLocales()).
std::unique_ptr<TestPlatform> MakeTestPlatform(const std::wstring& locale);
// The separators `locale` is known to use: a headless preset's own; on Windows those a prepared
// run names in KOVRA_EXPECT_DECIMAL and KOVRA_EXPECT_GROUP, or nothing.
std::optional<Separators> KnownSeparators(const std::wstring& locale);

// Writes an en-US text ("1,234.50") with the separators of the locale in force.
std::wstring Localized(std::wstring_view enUs, const Separators& separators);

}  // namespace kovra::test
