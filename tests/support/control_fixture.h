// A freshly placed control (Initialize, then InitProperties) on the test platform, once per
// test locale. Expected texts are written in en-US form and localized with L().
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "control/kovra_double.h"
#include "testing/control_probe.h"
#include "tests/support/test_platform.h"

namespace kovra::test {

class ControlTest : public ::testing::TestWithParam<std::wstring> {
 protected:
  void SetUp() override {
    control_ = std::make_unique<KovraDouble>(platform_->Get());
    platform_->Seat(*control_);
    control_->Initialize();
    control_->InitProperties();
    platform_->Container().events.clear();
    platform_->Container().changedProperties.clear();
  }

  KovraDouble& Control() { return *control_; }
  PropertyMembers& Properties() { return probe::State(*control_).properties; }
  const Separators& Seps() const { return probe::State(*control_).separators; }
  // An en-US text ("1,234.50") in the separators of the locale in force.
  std::wstring L(std::wstring_view enUs) const { return Localized(enUs, Seps()); }
  std::wstring Text() { return control_->Text1().Text(); }
  // The control's events so far, by name, in order.
  std::vector<std::wstring> EventNames();

  std::unique_ptr<TestPlatform> platform_ = MakeTestPlatform(GetParam());
  std::unique_ptr<KovraDouble> control_;
};

// A gtest-safe name for a locale parameter ("de-DE" → "de_DE").
std::string LocaleTestName(const ::testing::TestParamInfo<std::wstring>& info);

}  // namespace kovra::test

#define KOVRA_RUN_ON_TEST_LOCALES(Suite)                                                      \
  INSTANTIATE_TEST_SUITE_P(Locales, Suite, ::testing::ValuesIn(::kovra::test::TestLocales()), \
                           ::kovra::test::LocaleTestName)
