// The property accessors through late binding: validation and its message, the spin-range side
// effects, coercions, refusals by the text box, the conditional full refresh, and the methods.
#include "control/property_access.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/control_error.h"
#include "testing/control_probe.h"
#include "tests/support/control_fixture.h"

namespace kovra::test {
namespace {

class PropertyAccessTest : public ControlTest {
 protected:
  void Put(std::wstring_view name, const Variant& value) { Control().PutProperty(name, value); }
  Variant Get(std::wstring_view name) { return Control().GetProperty(name); }
  std::vector<std::wstring>& Changed() { return platform_->Container().changedProperties; }

  // Whether a full refresh ran: it shows the number in the display mask again, so a text
  // left unformatted on purpose is the witness.
  void PlantUnformattedText() { probe::PutTextAsWritten(Control(), L"7"); }
  bool Refreshed() { return Text() != L"7"; }

  ErrorCode ErrorOf(const std::function<void()>& call) {
    try {
      call();
    } catch (const ControlError& e) {
      return e.code();
    }
    ADD_FAILURE() << "no error";
    return ErrorCode::InvalidArgument;
  }
};

TEST_P(PropertyAccessTest, ValidatedPropertiesRefuseWithAMessageAndKeepTheOldValue) {
  struct Case {
    const wchar_t* property;
    Variant refused;
    Variant accepted;
  };
  const Case kCases[] = {
      {L"WinBorderWidth", std::int16_t{0}, std::int16_t{1}},
      {L"DecimalPlaces", std::int16_t{-1}, std::int16_t{0}},
      {L"DecimalPlaces", std::int16_t{-1}, std::int16_t{15}},
      {L"ButtonSpinIncrement", -0.5, 0.0},
      {L"ButtonSpinIncrement", std::nan(""), 2.5},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.property)));
    const Variant before = Get(c.property);
    const std::size_t messages = platform_->Messages().size();
    Changed().clear();
    Put(c.property, c.refused);  // no error reaches the caller
    EXPECT_EQ(Get(c.property), before);
    ASSERT_EQ(platform_->Messages().size(), messages + 1);
    const auto shown = platform_->Messages().back();
    EXPECT_EQ(shown.text, kInvalidValueMessage);
    EXPECT_EQ(shown.title, kErrorTitle);
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    EXPECT_TRUE(Changed().empty());

    Put(c.property, c.accepted);
    EXPECT_EQ(Get(c.property), c.accepted);
    EXPECT_EQ(Changed(), std::vector<std::wstring>{c.property});
  }
}

TEST_P(PropertyAccessTest, LimitsAreStoredWithoutCheckingEachOther) {
  Put(L"MinValue", 50.0);
  Put(L"MaxValue", 10.0);
  EXPECT_EQ(Get(L"MaxValue"), Variant(10.0));
  EXPECT_EQ(Get(L"MinValue"), Variant(50.0));
  EXPECT_TRUE(platform_->Messages().empty());
}

TEST_P(PropertyAccessTest, LoweringTheSpinMaximumLowersTheText) {
  Put(L"ButtonSpinMax", 200.0);
  Put(L"Value", std::wstring(L"150"));
  Put(L"ButtonSpin", true);
  EXPECT_EQ(Control().Value(), L"150");
  Put(L"ButtonSpinMax", 120.0);
  EXPECT_EQ(Control().Value(), L"120");
  Put(L"ButtonSpinMax", 200.0);
  EXPECT_EQ(Control().Value(), L"120");
}

TEST_P(PropertyAccessTest, TurningSpinButtonsOnBringsTheTextIntoTheRange) {
  Put(L"Value", std::wstring(L"3"));
  Put(L"ButtonSpinMin", 10.0);
  EXPECT_EQ(Control().Value(), L"3");  // spin buttons off: no side effect
  Put(L"ButtonSpin", true);
  EXPECT_EQ(Control().Value(), L"10");
  Put(L"ButtonSpin", false);
  Put(L"Value", std::wstring(L"500"));
  Put(L"ButtonSpin", true);
  EXPECT_EQ(Control().Value(), L"100");
  Put(L"ButtonSpinMin", 150.0);
  EXPECT_EQ(Control().Value(), L"150");
}

TEST_P(PropertyAccessTest, SpinSettersOnATextThatIsNotANumberStoreButDoNotNotify) {
  probe::PutTextAsWritten(Control(), L"");
  Changed().clear();
  EXPECT_EQ(ErrorOf([&] { Put(L"ButtonSpin", true); }), ErrorCode::TypeMismatch);
  EXPECT_EQ(Get(L"ButtonSpin"), Variant(true));
  EXPECT_TRUE(Changed().empty());
}

TEST_P(PropertyAccessTest, AutomationCoercions) {
  Put(L"DecimalPlaces", std::wstring(L"3"));
  EXPECT_EQ(Get(L"DecimalPlaces"), Variant(std::int16_t{3}));
  EXPECT_EQ(ErrorOf([&] { Put(L"DecimalPlaces", std::int32_t{70000}); }), ErrorCode::Overflow);
  EXPECT_EQ(ErrorOf([&] { Put(L"WinBorderWidth", std::int32_t{-40000}); }), ErrorCode::Overflow);
  EXPECT_EQ(ErrorOf([&] { Put(L"DecimalPlaces", std::wstring(L"abc")); }), ErrorCode::TypeMismatch);
  EXPECT_EQ(Get(L"DecimalPlaces"), Variant(std::int16_t{3}));
  Put(L"MaxValue", L(L"1234.5"));  // the locale's own decimal separator
  EXPECT_EQ(Get(L"MaxValue"), Variant(1234.5));
  Put(L"BackColor", std::int32_t{-2147483643});  // &H80000005 as a signed Long
  EXPECT_EQ(probe::State(Control()).properties.backColor, 0x80000005u);
  Put(L"Enabled", std::int16_t{0});
  EXPECT_EQ(Get(L"Enabled"), Variant(false));
  Put(L"UseSeparator", std::wstring(L"True"));
  EXPECT_EQ(Get(L"UseSeparator"), Variant(true));
  // The default member by its dispatch identifier.
  Control().PutProperty(0, std::wstring(L(L"2.5")));
  EXPECT_EQ(Control().GetProperty(0), Variant(L(L"2.5")));
}

TEST_P(PropertyAccessTest, ATextBoxRefusalReachesTheCallerWithoutNotification) {
  Changed().clear();
  EXPECT_EQ(ErrorOf([&] { Put(L"LinkMode", std::int16_t{1}); }), ErrorCode::LinkNotActive);
  EXPECT_EQ(ErrorOf([&] { Control().Invoke(L"LinkPoke"); }), ErrorCode::LinkNotActive);
  EXPECT_EQ(ErrorOf([&] { Control().Invoke(L"LinkExecute", {}); }), ErrorCode::InvalidArgument);
  EXPECT_TRUE(Changed().empty());
  Put(L"LinkTopic", std::wstring(L"Ledger|Page1"));
  EXPECT_EQ(Get(L"LinkTopic"), Variant(std::wstring(L"Ledger|Page1")));
  EXPECT_EQ(Get(L"LinkTimeout"), Variant(std::int16_t{50}));
}

TEST_P(PropertyAccessTest, MembersAreReachedOnlyTheWaysTheyOffer) {
  EXPECT_EQ(ErrorOf([&] { Put(L"hWnd", std::int32_t{1}); }), ErrorCode::ReadOnly);
  EXPECT_EQ(ErrorOf([&] { Put(L"HideSelection", false); }), ErrorCode::ReadOnly);
  EXPECT_EQ(ErrorOf([&] { Put(L"NoSuchProperty", false); }), ErrorCode::NotSupported);
  EXPECT_EQ(ErrorOf([&] { Get(L"Refresh"); }), ErrorCode::NotSupported);
  EXPECT_EQ(ErrorOf([&] { Control().Invoke(L"BackColor"); }), ErrorCode::NotSupported);
  // The object properties are set by reference, the others let by value.
  const Variant font = std::make_shared<Font>();
  EXPECT_EQ(ErrorOf([&] { Put(L"Font", font); }), ErrorCode::NotSupported);
  EXPECT_EQ(ErrorOf([&] { Control().PutProperty(L"BackColor", std::int32_t{1}, PutKind::Set); }),
            ErrorCode::NotSupported);
  Control().PutProperty(L"Font", font, PutKind::Set);
  EXPECT_EQ(Get(L"Font"), font);
  EXPECT_NE(Get(L"hWnd"), Get(L"chWnd"));
}

TEST_P(PropertyAccessTest, MethodsAreCalledByDispatchIdentifierAsByName) {
  const std::int32_t linkPoke = FindMember(L"LinkPoke")->dispatchId;
  EXPECT_EQ(ErrorOf([&] { Control().Invoke(linkPoke); }), ErrorCode::LinkNotActive);
  EXPECT_EQ(ErrorOf([&] { Control().Invoke(0x12345); }), ErrorCode::NotSupported);
  const std::int32_t refresh = FindMember(L"Refresh")->dispatchId;
  Control().Invoke(refresh);  // repaints the surface; nothing to refuse
  EXPECT_EQ(ErrorOf([&] { Control().Invoke(kValueDispatchId); }), ErrorCode::NotSupported);
}

TEST_P(PropertyAccessTest, TheRefreshFollowsTheLookOnlyWhereItShows) {
  struct Case {
    const wchar_t* property;
    Variant value;
    std::int16_t appearance;
    bool buttonSpin;
    bool refreshes;
  };
  const Case kCases[] = {
      {L"WinBorderColor", std::int32_t{255}, 1, false, false},
      {L"WinBorderColor", std::int32_t{255}, 0, false, true},
      {L"Border3DStyle", std::int16_t{6}, 0, false, false},
      {L"Border3DStyle", std::int16_t{6}, 1, false, true},
      {L"Edit3DColor", std::int32_t{255}, 1, false, false},
      {L"ButtonSpinArrowColor", std::int32_t{255}, 1, true, true},
      {L"MaxValue", 5e5, 0, false, false},
      {L"WinBorderOverColor", std::int32_t{1}, 0, false, false},
      {L"UseSeparator", true, 1, false, true},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.property)));
    probe::State(Control()).properties.appearance = c.appearance;
    probe::State(Control()).properties.buttonSpin = ToBoolean16(c.buttonSpin);
    PlantUnformattedText();
    Put(c.property, c.value);
    EXPECT_EQ(Refreshed(), c.refreshes);
  }
}

TEST_P(PropertyAccessTest, FontAttributesChangeTheTextBoxFont) {
  Put(L"FontBold", true);
  Put(L"FontSize", 12.0f);
  Put(L"FontName", std::wstring(L"Plain Sans"));
  const FontRef font = Control().Text1().GetFont();
  ASSERT_NE(font, nullptr);
  EXPECT_TRUE(font->bold);
  EXPECT_EQ(font->size, 12.0f);
  EXPECT_EQ(font->name, L"Plain Sans");
  EXPECT_EQ(Get(L"FontBold"), Variant(true));
  EXPECT_EQ(ErrorOf([&] { Put(L"FontSize", 0.0f); }), ErrorCode::InvalidArgument);
}

KOVRA_RUN_ON_TEST_LOCALES(PropertyAccessTest);

}  // namespace
}  // namespace kovra::test
