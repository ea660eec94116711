// A form saved under one locale and loaded under another: the saved text carries the saving
// locale's decimal separator, and loading takes the first group separator of its own locale
// for a decimal separator.
#include <gtest/gtest.h>

#include "control/kovra_double.h"
#include "platform/headless/text_property_bag.h"
#include "tools/headless_script_platform.h"

namespace kovra {
namespace {

using headless::HeadlessLocale;
using headless::TextPropertyBag;

struct Placed {
  explicit Placed(const wchar_t* locale)
      : platform(HeadlessLocale::Preset(locale).value()), control(platform.platform) {
    platform.Seat(control);
    control.Initialize();
  }
  tools::HeadlessScriptPlatform platform;
  KovraDouble control;
};

TextPropertyBag SavedUnder(const wchar_t* locale, const wchar_t* value) {
  Placed saved(locale);
  saved.control.InitProperties();
  saved.control.SetValue(value);
  TextPropertyBag bag;
  saved.control.WriteProperties(bag);
  return bag;
}

TEST(PersistenceAcrossLocales, SavedWithACommaLoadedWithAPoint) {
  TextPropertyBag bag = SavedUnder(L"de-DE", L"1234,5");
  EXPECT_EQ(bag.ReadProperty(L"Value", std::monostate{}), Variant(std::wstring(L"1234,50")));

  Placed english(L"en-US");
  english.control.ReadProperties(bag);
  EXPECT_EQ(english.control.Text1().Text(), L"1234.50");
  EXPECT_EQ(english.control.Value(), L"1234.5");
  // It went through the Value setter.
  EXPECT_EQ(english.platform.Container().changedProperties.back(), L"Value");
}

TEST(PersistenceAcrossLocales, LoadedBackWhereItWasSavedItGoesInAsRead) {
  TextPropertyBag bag = SavedUnder(L"de-DE", L"1234,5");
  Placed german(L"de-DE");
  german.control.ReadProperties(bag);
  EXPECT_EQ(german.control.Text1().Text(), L"1234,50");
  // Only the MouseIcon setter spoke: "Value" did not pass through its setter.
  EXPECT_EQ(german.platform.Container().changedProperties, std::vector<std::wstring>{L"MouseIcon"});
}

TEST(PersistenceAcrossLocales, SavedWithAPointLoadedWithAComma) {
  TextPropertyBag bag = SavedUnder(L"en-US", L"1234.5");
  Placed german(L"de-DE");
  german.control.ReadProperties(bag);
  EXPECT_EQ(german.control.Text1().Text(), L"1234,50");
  EXPECT_EQ(german.control.Value(), L"1234,5");
}

TEST(PersistenceAcrossLocales, TheTextFormRoundTripsEveryValue) {
  TextPropertyBag bag(false);
  bag.Put(L"Whole", std::int16_t{-32768});
  bag.Put(L"Long", std::int32_t{-2147483643});
  bag.Put(L"Single", 8.25f);
  bag.Put(L"Double", 0.1);
  bag.Put(L"Huge", 1e308);
  bag.Put(L"Text", std::wstring(L"say \"1 234,5\"\u00A0\n\\u0041 on"));
  bag.Put(L"Flag", true);
  bag.Put(L"Font", std::make_shared<Font>(Font{L"Plain Sans", 9.75f, true, false, true, false}));
  bag.Put(L"Icon", PictureRef{});
  const TextPropertyBag back = TextPropertyBag::Load(bag.Save());
  ASSERT_EQ(back.Entries().size(), bag.Entries().size());
  for (std::size_t i = 0; i < bag.Entries().size(); ++i) {
    EXPECT_TRUE(headless::SameBagValue(back.Entries()[i].second, bag.Entries()[i].second))
        << testing::PrintToString(bag.Entries()[i].first);
  }
  EXPECT_EQ(TextPropertyBag::FormatValue(std::int32_t{-2147483643}), L"-2147483643&");
  EXPECT_EQ(TextPropertyBag::ParseValue(L"&H80000005&"), Variant(std::int32_t{-2147483643}));
  EXPECT_THROW(TextPropertyBag::Load(L"Broken line"), std::invalid_argument);
  EXPECT_THROW(TextPropertyBag::Load(L"X = 70000"), std::invalid_argument);
}

}  // namespace
}  // namespace kovra
