// Saving and restoring through a property bag: the keys in order with their defaults, the
// "Value" text in the saving locale's form and its repair where the locale differs, and the
// loading rules (no setters, no messages, errors that end or are skipped).
#include "core/persistence.h"

#include <gtest/gtest.h>

#include "core/control_error.h"
#include "platform/headless/text_property_bag.h"
#include "tests/support/control_fixture.h"

namespace kovra::test {
namespace {

using headless::TextPropertyBag;

class PersistenceTest : public ControlTest {
 protected:
  // A restored control on a platform of its own, as a container makes it.
  struct Restored {
    std::unique_ptr<TestPlatform> platform;
    std::unique_ptr<KovraDouble> control;
  };
  Restored Restore(PropertyBag& bag, const std::wstring& locale) {
    Restored r{MakeTestPlatform(locale), nullptr};
    r.control = std::make_unique<KovraDouble>(r.platform->Get());
    r.control->Initialize();
    r.control->ReadProperties(bag);
    return r;
  }
};

TEST_P(PersistenceTest, KeysAreWrittenInTheirOrderWithMouseIconTwice) {
  TextPropertyBag bag;
  Control().WriteProperties(bag);
  std::vector<std::wstring> expected;
  for (const PersistedKey& k : PersistedKeys()) expected.emplace_back(k.key);
  ASSERT_EQ(expected.size(), 42u);
  EXPECT_EQ(bag.KeysWritten(), expected);
  EXPECT_EQ(expected[10], L"MouseIcon");
  EXPECT_EQ(expected[29], L"MouseIcon");
  EXPECT_EQ(expected[41], L"Value");
}

TEST_P(PersistenceTest, AFreshControlSavesOnlyWhatDiffersFromTheDefaults) {
  Control().SetValue(L"0");
  TextPropertyBag bag;
  Control().WriteProperties(bag);
  // Every key equals its default; "Value" too, unless the locale writes 0.00 otherwise.
  if (Seps().decimal == L'.') {
    EXPECT_TRUE(bag.Entries().empty()) << testing::PrintToString(bag.Save());
  } else {
    ASSERT_EQ(bag.Entries().size(), 1u) << testing::PrintToString(bag.Save());
    EXPECT_EQ(bag.Entries()[0].second, Variant(L(L"0.00")));
  }
}

TEST_P(PersistenceTest, ARoundTripRestoresTextAndProperties) {
  Control().PutProperty(L"DecimalPlaces", std::int16_t{3});
  Control().PutProperty(L"UseSeparator", true);
  Control().PutProperty(L"MaxValue", 5e6);
  Control().PutProperty(L"BackColor", std::int32_t{0x00336699});
  Control().PutProperty(L"Border3DStyle", std::int16_t{6});
  Control().PutProperty(L"LinkTopic", std::wstring(L"Sheet"));
  Control().PutProperty(L"FontItalic", true);
  Control().SetValue(L(L"1234.5678"));
  TextPropertyBag bag(false);
  Control().WriteProperties(bag);
  EXPECT_EQ(bag.Entries().back().second, Variant(L(L"1234.568")));

  Restored r = Restore(bag, GetParam());
  const PropertyMembers& p = r.control->State().properties;
  EXPECT_EQ(p.decimalPlaces, 3);
  EXPECT_EQ(p.useSeparator, kTrue);
  EXPECT_EQ(p.maxValue, 5e6);
  EXPECT_EQ(p.backColor, 0x00336699u);
  EXPECT_EQ(p.border3DStyle, 6);
  EXPECT_EQ(r.control->Text1().LinkTopic(), L"Sheet");
  EXPECT_TRUE(r.control->Text1().GetFont()->italic);
  EXPECT_EQ(r.control->Text1().Text(), L(L"1234.568"));
  EXPECT_EQ(r.control->State().newInstance, 0);  // a restored control keeps its height
}

TEST_P(PersistenceTest, WithoutDecimalsTheSavedTextEndsInTheSeparator) {
  Control().PutProperty(L"DecimalPlaces", std::int16_t{0});
  Control().SetValue(L"12");
  TextPropertyBag bag;
  Control().WriteProperties(bag);
  EXPECT_EQ(bag.ReadProperty(L"Value", std::monostate{}), Variant(L(L"12.")));
}

TEST_P(PersistenceTest, MissingKeysTakeTheDefaultsOfANewControl) {
  TextPropertyBag empty;
  Restored r = Restore(empty, GetParam());
  PropertyMembers expected = DefaultProperties();
  const PropertyMembers& p = r.control->State().properties;
  EXPECT_EQ(p.decimalPlaces, expected.decimalPlaces);
  EXPECT_EQ(p.maxValue, expected.maxValue);
  EXPECT_EQ(p.backColor, expected.backColor);
  EXPECT_EQ(p.enabled, kTrue);
  EXPECT_EQ(p.winBorderWidth, 1);
  EXPECT_EQ(p.buttonSpinMax, 100);
  EXPECT_EQ(r.control->Text1().LinkTimeout(), 50);
  // The default "0.00" is read as saved where "." groups digits: the point is taken for the
  // decimal separator. Elsewhere it goes in as read.
  EXPECT_EQ(r.control->Text1().Text(), Seps().group == L'.' ? L"0,00" : L"0.00");
}

TEST_P(PersistenceTest, LoadingStoresUncheckedValuesWithoutMessagesOrNotifications) {
  TextPropertyBag bag;
  bag.Put(L"WinBorderWidth", std::int16_t{0});
  bag.Put(L"DecimalPlaces", std::int16_t{-1});
  bag.Put(L"MouseIcon", std::make_shared<Picture>(Picture{L"hand"}));
  bag.Put(L"Value", L(L"1.50"));
  Restored r = Restore(bag, GetParam());
  EXPECT_EQ(r.control->State().properties.winBorderWidth, 0);
  EXPECT_EQ(r.control->State().properties.decimalPlaces, -1);
  EXPECT_TRUE(r.platform->Messages().empty());
  // Only the MouseIcon setter notifies; the members are stored silently.
  EXPECT_EQ(r.platform->Container().changedProperties, std::vector<std::wstring>{L"MouseIcon"});
  ASSERT_NE(r.control->State().properties.mouseIcon, nullptr);
  EXPECT_EQ(r.control->State().properties.mouseIcon->description, L"hand");
  EXPECT_EQ(r.control->State().changeGuard, 0);
}

TEST_P(PersistenceTest, AFailingReadEndsLoadingWithItsError) {
  TextPropertyBag bag;
  bag.Put(L"BackColor", std::int32_t{0x123456});
  bag.Put(L"DecimalPlaces", std::wstring(L"many"));
  bag.Put(L"Locked", true);
  KovraDouble control(platform_->Get());
  control.Initialize();
  try {
    control.ReadProperties(bag);
    ADD_FAILURE() << "no error";
  } catch (const ControlError& e) {
    EXPECT_EQ(e.code(), ErrorCode::TypeMismatch);
  }
  EXPECT_EQ(control.State().properties.backColor, 0x123456u);  // read before the failure
  EXPECT_EQ(control.State().properties.locked, kFalse);        // never reached
  EXPECT_EQ(control.State().changeGuard, 0);
}

TEST_P(PersistenceTest, SavingATextThatIsNotANumberFailsAfterTheOtherKeys) {
  {
    ChangeGuardScope guard(Control().State());
    Control().Text1().SetText(L"");
  }
  TextPropertyBag bag;
  EXPECT_THROW(Control().WriteProperties(bag), ControlError);
  EXPECT_EQ(bag.KeysWritten().size(), 41u);
}

KOVRA_RUN_ON_TEST_LOCALES(PersistenceTest);

}  // namespace
}  // namespace kovra::test
