// The page mechanics against a recording target that stands in for the first selected control:
// the order of every get and put, what each kind of box shows and writes, the Changed rules,
// and the values a page cannot show or write. The pages' tables are held to the interface table.
#include "pages/property_page.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "base/coercion.h"
#include "base/control_error.h"
#include "core/enumerations.h"
#include "core/member_table.h"

namespace kovra::test {
namespace {

using pages::IssueKind;
using pages::PageIssue;
using pages::PageTarget;
using pages::PropertyPage;

// Records every late-bound call as "get NAME" or "put NAME VALUE"; a property can be made to
// fail its getter or to refuse every value with a type mismatch.
class RecordingTarget final : public PageTarget {
 public:
  Variant GetProperty(std::wstring_view name) override {
    calls.push_back(L"get " + std::wstring(name));
    if (unreadable.contains(std::wstring(name))) throw ControlError(ErrorCode::TypeMismatch);
    return values.at(std::wstring(name));
  }
  void PutProperty(std::wstring_view name, const Variant& value) override {
    calls.push_back(L"put " + std::wstring(name) + L" " + Describe(value));
    if (refusing.contains(std::wstring(name))) throw ControlError(ErrorCode::TypeMismatch);
    values[std::wstring(name)] = value;
  }

  std::map<std::wstring, Variant> values{
      {L"FontOverEffect", true},
      {L"Locked", false},
      {L"ButtonSpinMin", 0.0},
      {L"ButtonSpinMax", 100.0},
      {L"ButtonSpinIncrement", 1.5},
      {L"ButtonSpin", false},
      {L"Enabled", true},
      {L"Appearance", std::int16_t{1}},
      {L"Alignment", std::int16_t{2}},
      {L"UseSeparator", true},
      {L"DecimalPlaces", std::int16_t{2}},
      {L"MinValue", -5.0},
      {L"MaxValue", 1e6},
      {L"Value", std::wstring(L"12.5")},
      {L"WinBorderEffect", false},
      {L"WinBorderWidth", std::int16_t{1}},
      {L"WinBorderColorOption", std::int16_t{0}},
      {L"XPGetTheme", std::int16_t{1}},
      {L"WinTheme", std::int16_t{2}},
      {L"Border3DStyle", std::int16_t{6}},
      {L"Edit3DOption", std::int16_t{0}},
  };
  std::vector<std::wstring> calls;
  std::set<std::wstring> unreadable;
  std::set<std::wstring> refusing;
};

class PropertyPageTest : public ::testing::Test {
 protected:
  std::vector<PageIssue> Select(PropertyPage& page) {
    PageTarget* selection[] = {&target_, &other_};
    const auto issues = page.SelectionChanged(selection);
    target_.calls.clear();
    return issues;
  }
  std::vector<std::wstring> Calls(std::wstring_view prefix) {
    std::vector<std::wstring> matching;
    for (const std::wstring& call : target_.calls) {
      if (call.starts_with(prefix)) matching.push_back(call);
    }
    return matching;
  }

  RecordingTarget target_;
  RecordingTarget other_;  // selected too, never read or written
};

// ---- Order ----------------------------------------------------------------------------------

TEST_F(PropertyPageTest, EachPageLoadsAndAppliesItsPropertiesOneAtATimeInItsOrder) {
  struct Case {
    const pages::PageDefinition& page;
    std::vector<std::wstring> puts;  // as a load followed at once by an apply writes them back
  };
  const Case kCases[] = {
      {pages::GeneralPage(),
       {L"put FontOverEffect True", L"put Locked False", L"put ButtonSpinMin \"0\"",
        L"put ButtonSpinMax \"100\"", L"put ButtonSpinIncrement \"1.5\"", L"put ButtonSpin False",
        L"put Enabled True", L"put Appearance 1", L"put Alignment 2"}},
      {pages::FormatPage(),
       {L"put UseSeparator True", L"put DecimalPlaces \"2\"", L"put MinValue \"-5\"",
        L"put MaxValue \"1000000\"", L"put Value \"12.5\""}},
      {pages::XpPage(),
       {L"put WinBorderEffect False", L"put WinBorderWidth \"1\"", L"put WinBorderColorOption 0",
        L"put XPGetTheme 1", L"put WinTheme 2", L"put Border3DStyle 6", L"put Edit3DOption 0"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.page.caption)));
    PropertyPage page(c.page, {});
    PageTarget* selection[] = {&target_, &other_};
    target_.calls.clear();
    EXPECT_TRUE(page.SelectionChanged(selection).empty());
    std::vector<std::wstring> gets;
    for (const std::wstring& put : c.puts) {
      gets.push_back(L"get " + put.substr(4, put.find(L' ', 4) - 4));
    }
    EXPECT_EQ(target_.calls, gets);
    target_.calls.clear();
    EXPECT_TRUE(page.ApplyChanges().empty());
    EXPECT_EQ(target_.calls, c.puts);
    EXPECT_TRUE(other_.calls.empty());
  }
}

TEST_F(PropertyPageTest, CombosWriteTheirListIndexAsA16BitIntegerAndCheckBoxesABoolean) {
  PropertyPage page(pages::XpPage(), {});
  Select(page);
  page.ChooseItem(L"Combo3", 0);
  page.ClickCheckBox(L"chkXPBorderEfect");
  page.ApplyChanges();
  EXPECT_EQ(target_.values[L"WinTheme"], Variant(std::int16_t{0}));
  EXPECT_EQ(target_.values[L"WinBorderEffect"], Variant(true));
  EXPECT_EQ(target_.values[L"WinBorderWidth"], Variant(std::wstring(L"1")));
}

// ---- What the boxes show --------------------------------------------------------------------

TEST_F(PropertyPageTest, LoadingShowsBooleansAsCheckValuesNumbersAsTextsAndEnumsAsItems) {
  PropertyPage page(pages::GeneralPage(), {L',', L'.'});
  target_.values[L"Locked"] = std::int16_t{-1};  // True as a 16-bit Boolean: -1 And 1 is 1
  Select(page);
  EXPECT_EQ(page.Control(L"chkFontOverEfect").value, 1);
  EXPECT_EQ(page.Control(L"chkLocked").value, 1);
  EXPECT_EQ(page.Control(L"chkButtonSpin").value, 0);
  EXPECT_EQ(page.Control(L"txtButtonSpinIncrement").caption, L"1,5");  // the locale's separator
  EXPECT_EQ(page.Control(L"Combo2").value, 2);
  EXPECT_EQ(page.Control(L"Combo2").caption, L"0 - Center");
  EXPECT_EQ(page.Control(L"Combo1").caption, L"1 - 3D Standard");
  EXPECT_EQ(page.Control(L"chkFontOverEfect").caption, L"Font Over Efect");
}

TEST_F(PropertyPageTest, UncheckingFontOverEfectWritesFalseAndTheThirdAlignmentItemWritesTwo) {
  PropertyPage page(pages::GeneralPage(), {});
  target_.values[L"Alignment"] = std::int16_t{0};
  Select(page);
  page.ClickCheckBox(L"chkFontOverEfect");
  page.ChooseItem(L"Combo2", 2);
  page.ApplyChanges();
  EXPECT_EQ(target_.values[L"FontOverEffect"], Variant(false));
  EXPECT_EQ(target_.values[L"Alignment"], Variant(std::int16_t{2}));
}

// ---- Changed --------------------------------------------------------------------------------

TEST_F(PropertyPageTest, EveryEditSetsChangedAndNothingReachesTheControlBeforeApply) {
  PropertyPage page(pages::GeneralPage(), {});
  Select(page);
  EXPECT_FALSE(page.Changed());

  const std::wstring old = page.Control(L"txtButtonSpinMax").caption;
  page.TypeText(L"txtButtonSpinMax", old + L"5");
  page.TypeText(L"txtButtonSpinMax", old);  // typed back to the old text: still changed
  EXPECT_TRUE(page.Changed());

  for (const auto& edit : std::vector<std::function<void(PropertyPage&)>>{
           [](PropertyPage& p) { p.TypeText(L"txtButtonSpinMin", L"0"); },  // the same text
           [](PropertyPage& p) { p.ClickCheckBox(L"chkLocked"); },
           [](PropertyPage& p) { p.ChooseItem(L"Combo1", 1); },  // the item already chosen
       }) {
    Select(page);
    edit(page);
    EXPECT_TRUE(page.Changed());
  }
  EXPECT_TRUE(Calls(L"put").empty());

  page.ApplyChanges();
  EXPECT_FALSE(page.Changed());
  EXPECT_EQ(Calls(L"put").size(), 9u);
}

TEST_F(PropertyPageTest, OnlyTheFirstSelectedControlIsLoadedAndWritten) {
  PropertyPage page(pages::FormatPage(), {});
  other_.values[L"Value"] = std::wstring(L"99");
  Select(page);
  EXPECT_EQ(page.Control(L"txtValue").caption, L"12.5");
  page.TypeText(L"txtValue", L"7");
  page.ApplyChanges();
  EXPECT_EQ(target_.values[L"Value"], Variant(std::wstring(L"7")));
  EXPECT_EQ(other_.values[L"Value"], Variant(std::wstring(L"99")));
  EXPECT_TRUE(other_.calls.empty());
}

TEST_F(PropertyPageTest, WithNothingSelectedNothingIsLoadedOrWritten) {
  PropertyPage page(pages::FormatPage(), {});
  EXPECT_TRUE(page.SelectionChanged({}).empty());
  page.TypeText(L"txtValue", L"7");
  EXPECT_TRUE(page.ApplyChanges().empty());
  EXPECT_TRUE(target_.calls.empty());
}

// ---- Values the page cannot show or write ---------------------------------------------------

TEST_F(PropertyPageTest, AStoredValueWithNoListItemShowsNoItemAndIsKeptUntilAnItemIsChosen) {
  PropertyPage page(pages::XpPage(), {});
  target_.values[L"WinTheme"] = std::int16_t{5};
  target_.values[L"Border3DStyle"] = std::int16_t{-1};
  EXPECT_EQ(Select(page),
            (std::vector<PageIssue>{{L"WinTheme", IssueKind::NoListItem, L"5"},
                                    {L"Border3DStyle", IssueKind::NoListItem, L"-1"}}));
  EXPECT_EQ(page.Control(L"Combo3").value, -1);
  EXPECT_EQ(page.Control(L"Combo3").caption, L"");
  EXPECT_EQ(page.Control(L"Combo5").value, 0);  // the later properties still load

  page.TypeText(L"txtXPBorderWidth", L"3");
  EXPECT_EQ(page.ApplyChanges(),
            (std::vector<PageIssue>{{L"WinTheme", IssueKind::LeftAsStored, {}},
                                    {L"Border3DStyle", IssueKind::LeftAsStored, {}}}));
  EXPECT_EQ(target_.values[L"WinTheme"], Variant(std::int16_t{5}));
  EXPECT_EQ(Calls(L"put").size(), 5u);
  EXPECT_FALSE(page.Changed());

  page.ChooseItem(L"Combo3", 1);
  page.ApplyChanges();
  EXPECT_EQ(target_.values[L"WinTheme"], Variant(std::int16_t{1}));
}

TEST_F(PropertyPageTest, ARefusedTextIsSkippedTheRestIsWrittenAndThePageStaysChanged) {
  PropertyPage page(pages::GeneralPage(), {});
  Select(page);
  target_.refusing = {L"ButtonSpinMax"};
  page.TypeText(L"txtButtonSpinMax", L"abc");
  const auto issues = page.ApplyChanges();
  ASSERT_EQ(issues.size(), 1u);
  EXPECT_EQ(issues[0].property, L"ButtonSpinMax");
  EXPECT_EQ(issues[0].kind, IssueKind::Refused);
  EXPECT_TRUE(issues[0].detail.starts_with(L"error 13"));
  EXPECT_EQ(Calls(L"put").size(), 9u);  // everything after it is still written
  EXPECT_EQ(page.Control(L"txtButtonSpinMax").caption, L"abc");
  EXPECT_TRUE(page.Changed());
}

TEST_F(PropertyPageTest, APropertyThatCannotBeReadShowsNothingAndIsLeftAloneUntilEdited) {
  PropertyPage page(pages::FormatPage(), {});
  target_.unreadable = {L"Value"};
  const auto issues = Select(page);
  ASSERT_EQ(issues.size(), 1u);
  EXPECT_EQ(issues[0].kind, IssueKind::Unreadable);
  EXPECT_EQ(page.Control(L"txtValue").caption, L"");
  EXPECT_EQ(page.Control(L"txtMaxValue").caption, L"1000000");

  page.ApplyChanges();
  EXPECT_EQ(Calls(L"put Value").size(), 0u);
  page.TypeText(L"txtValue", L"3");
  page.ApplyChanges();
  EXPECT_EQ(Calls(L"put Value"), std::vector<std::wstring>{L"put Value \"3\""});
}

TEST_F(PropertyPageTest, ASelectionChangeReplacesWhatTheLastOneShowedAndTheEditsMadeSince) {
  PropertyPage page(pages::XpPage(), {});
  target_.values[L"WinTheme"] = std::int16_t{7};
  Select(page);
  page.ChooseItem(L"Combo3", 2);
  Select(page);  // the stored value still has no item: the choice is gone with the selection
  EXPECT_EQ(page.Control(L"Combo3").value, -1);
  page.ApplyChanges();
  EXPECT_EQ(target_.values[L"WinTheme"], Variant(std::int16_t{7}));
}

// ---- The tables against the interface ------------------------------------------------------

TEST(PageTablesTest, EveryControlFitsItsPageAndTheTabOrderCountsFromZeroWithoutGaps) {
  for (const pages::PageDefinition* page : pages::ControlPages()) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(page->caption)));
    std::set<int> tabs;
    for (const pages::PageControl& c : page->controls) {
      EXPECT_GE(c.bounds.left, 0);
      EXPECT_LE(c.bounds.left + c.bounds.width, page->size.width);
      EXPECT_LE(c.bounds.top + c.bounds.height, page->size.height);
      EXPECT_TRUE(tabs.insert(c.tabIndex).second) << c.tabIndex;
    }
    EXPECT_EQ(*tabs.begin(), 0);
    EXPECT_EQ(*tabs.rbegin(), static_cast<int>(page->controls.size()) - 1);
  }
}

TEST(PageTablesTest, EachBoxEditsAMemberOfTheRightTypeAndEachListHoldsItsEnumeration) {
  for (const pages::PageDefinition* page : pages::ControlPages()) {
    std::size_t edited = 0;
    for (const pages::PageControl& c : page->controls) {
      if (c.property.empty()) continue;
      ++edited;
      SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
      const Member* member = FindMember(c.property);
      ASSERT_NE(member, nullptr);
      EXPECT_EQ(std::count(page->order.begin(), page->order.end(), c.property), 1);
      if (c.kind == FormElementKind::CheckBox) {
        EXPECT_EQ(member->type, ValueType::Boolean);
      }
      if (c.kind != FormElementKind::ComboBox) continue;
      const Enumeration* e = FindEnumeration(member->enumeration);
      ASSERT_NE(e, nullptr);
      ASSERT_EQ(c.items.size(), e->members.size());
      for (std::size_t i = 0; i < c.items.size(); ++i) {
        EXPECT_EQ(e->members[i].value, static_cast<int>(i));
        // Every item names its value, except the alignment items, which all begin with "0 - ".
        const wchar_t digit = c.property == L"Alignment" ? L'0' : static_cast<wchar_t>(L'0' + i);
        EXPECT_EQ(c.items[i].substr(0, 4), std::wstring{digit} + L" - ");
      }
    }
    EXPECT_EQ(edited, page->order.size());
  }
}

TEST(PageTablesTest, PagesAreFoundByClassOrCaptionInTheDesignersOrder) {
  EXPECT_EQ(pages::FindPage(L"windows-3d"), &pages::XpPage());
  EXPECT_EQ(pages::FindPage(L"DoubleFormat"), &pages::FormatPage());
  EXPECT_EQ(pages::FindPage(L"General"), pages::ControlPages()[0]);
  EXPECT_EQ(pages::ControlPages()[1], &pages::XpPage());
  EXPECT_EQ(pages::FindPage(L"StandardFont"), nullptr);
}

}  // namespace
}  // namespace kovra::test
