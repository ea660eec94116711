// Saving and restoring through a property bag: every key loaded comes back when saved, only
// what differs from the defaults is saved, the "Value" text in the saving locale's form, and the
// loading rules (no setters, no messages, errors that end loading).
#include "control/persistence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "base/control_error.h"
#include "platform/headless/text_property_bag.h"
#include "testing/control_probe.h"
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
    r.platform->Seat(*r.control);
    r.control->Initialize();
    r.control->ReadProperties(bag);
    return r;
  }
};

// A value for a persisted key that is neither what a new control saves (`fresh`) nor another
// key's value, within what Text1 takes for its own settings (a LinkMode other than none needs a
// link partner).
std::optional<Variant> Distinct(const PersistedKey& key, int i, const Variant& fresh) {
  if (key.key == L"LinkMode") return std::nullopt;
  if (key.key == L"Alignment") return std::int16_t{2};
  if (key.key == L"OLEDragMode" || key.key == L"OLEDropMode") return std::int16_t{1};
  if (key.key == L"DecimalPlaces") return std::int16_t{3};
  switch (key.type) {
    case ValueType::Int16:
      return static_cast<std::int16_t>(100 + i);
    case ValueType::Int32:
      return std::int32_t{0x10000 + i};
    case ValueType::Double:
      return 1000.5 + i;
    case ValueType::Boolean:
      return !headless::SameBagValue(fresh, true);
    case ValueType::String:
      return L"text " + std::to_wstring(i);
    case ValueType::Font:
      return std::make_shared<Font>(Font{L"Plain Sans", 11.25f, true, false, true, false});
    case ValueType::Picture:
      return std::make_shared<Picture>(Picture{L"pointer"});
    default:
      return std::nullopt;
  }
}

TEST_P(PersistenceTest, EveryKeyLoadedIsSavedBackAsItWasRead) {
  TextPropertyBag fresh(false);
  Control().WriteProperties(fresh);
  TextPropertyBag saved;
  for (std::size_t i = 0; i < PersistedKeys().size(); ++i) {
    const PersistedKey& key = PersistedKeys()[i];
    const Variant before = fresh.ReadProperty(key.key, {});
    const auto value =
        key.key == L"Value" ? L(L"12.345") : Distinct(key, static_cast<int>(i), before);
    if (!value) continue;
    EXPECT_FALSE(headless::SameBagValue(*value, before)) << testing::PrintToString(key.key);
    saved.Put(key.key, *value);
  }
  Restored r = Restore(saved, GetParam());
  TextPropertyBag again(false);
  r.control->WriteProperties(again);
  for (const auto& [key, value] : saved.Entries()) {
    const Variant back = again.ReadProperty(key, {});
    EXPECT_TRUE(headless::SameBagValue(back, value))
        << testing::PrintToString(key) << " saved back as "
        << testing::PrintToString(TextPropertyBag::FormatValue(back));
  }
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

TEST_P(PersistenceTest, WhatTheSettersLeaveIsRestoredWithoutTheNewControlsHeight) {
  Control().PutProperty(L"DecimalPlaces", std::int16_t{3});
  Control().PutProperty(L"UseSeparator", true);
  Control().PutProperty(L"Border3DStyle", std::int16_t{6});
  Control().PutProperty(L"FontItalic", true);
  Control().SetValue(L(L"1234.5678"));
  TextPropertyBag bag(false);
  Control().WriteProperties(bag);
  EXPECT_EQ(bag.Entries().back().second, Variant(L(L"1234.568")));

  Restored r = Restore(bag, GetParam());
  const PropertyMembers& p = probe::State(*r.control).properties;
  EXPECT_EQ(p.decimalPlaces, 3);
  EXPECT_EQ(p.useSeparator, kTrue);
  EXPECT_EQ(p.border3DStyle, 6);
  EXPECT_TRUE(r.control->Text1().GetFont()->italic);
  EXPECT_EQ(r.control->Text1().Text(), L(L"1234.568"));
  EXPECT_EQ(probe::State(*r.control).newInstance, 0);  // a restored control keeps its height
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
  const PropertyMembers& p = probe::State(*r.control).properties;
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
  EXPECT_EQ(probe::State(*r.control).properties.winBorderWidth, 0);
  EXPECT_EQ(probe::State(*r.control).properties.decimalPlaces, -1);
  EXPECT_TRUE(r.platform->Messages().empty());
  // Only the MouseIcon setter notifies; the members are stored silently.
  EXPECT_EQ(r.platform->Container().changedProperties, std::vector<std::wstring>{L"MouseIcon"});
  ASSERT_NE(probe::State(*r.control).properties.mouseIcon, nullptr);
  EXPECT_EQ(probe::State(*r.control).properties.mouseIcon->description, L"hand");
  EXPECT_EQ(probe::State(*r.control).changeGuard, 0);
}

TEST_P(PersistenceTest, AFailingReadEndsLoadingWithItsError) {
  TextPropertyBag bag;
  bag.Put(L"BackColor", std::int32_t{0x123456});
  bag.Put(L"DecimalPlaces", std::wstring(L"many"));
  bag.Put(L"Locked", true);
  KovraDouble control(platform_->Get());
  platform_->Seat(control);
  control.Initialize();
  try {
    control.ReadProperties(bag);
    ADD_FAILURE() << "no error";
  } catch (const ControlError& e) {
    EXPECT_EQ(e.code(), ErrorCode::TypeMismatch);
  }
  EXPECT_EQ(probe::State(control).properties.backColor, 0x123456u);  // read before the failure
  EXPECT_EQ(probe::State(control).properties.locked, kFalse);        // never reached
  EXPECT_EQ(probe::State(control).changeGuard, 0);
}

TEST_P(PersistenceTest, SavingATextThatIsNotANumberFailsAfterTheOtherKeys) {
  probe::PutTextAsWritten(Control(), L"");
  TextPropertyBag bag;
  EXPECT_THROW(Control().WriteProperties(bag), ControlError);
  EXPECT_EQ(bag.KeysWritten().size(), PersistedKeys().size() - 1);
  EXPECT_EQ(std::count(bag.KeysWritten().begin(), bag.KeysWritten().end(), L"Value"), 0);
}

KOVRA_RUN_ON_TEST_LOCALES(PersistenceTest);

}  // namespace
}  // namespace kovra::test
