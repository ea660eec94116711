// The interface tables: the numbering rules a retyped table would break, and the members whose
// attributes a container relies on.
#include "core/member_table.h"

#include <gtest/gtest.h>

#include <set>

namespace kovra {
namespace {

TEST(MemberTable, PropertiesCountDownFromTheTopIdentifierInInterfaceOrder) {
  ASSERT_EQ(Members().size(), 57u);
  std::int32_t next = 0x68030030;
  int methods = 0;
  for (const Member& m : Members()) {
    if ((m.access & kMethod) != 0) {
      ++methods;
      EXPECT_EQ(m.type, ValueType::None) << std::wstring(m.name);
      continue;
    }
    if (m.name == L"Value") {
      EXPECT_EQ(m.dispatchId, 0);
      continue;
    }
    EXPECT_EQ(m.dispatchId, next--) << std::wstring(m.name);
  }
  EXPECT_EQ(next, 0x68030000 - 1);
  EXPECT_EQ(methods, 7);
}

TEST(MemberTable, NamesAndIdentifiersAreUniqueAndFoundEitherWay) {
  std::set<std::wstring_view> names;
  std::set<std::int32_t> ids;
  for (const Member& m : Members()) {
    EXPECT_TRUE(names.insert(m.name).second);
    EXPECT_TRUE(ids.insert(m.dispatchId).second);
    EXPECT_EQ(FindMember(m.dispatchId), &m);
    EXPECT_EQ(FindMember(m.name), &m);
    EXPECT_EQ(m.type == ValueType::Enumeration, !m.enumeration.empty()) << std::wstring(m.name);
  }
  EXPECT_EQ(FindMember(L"decimalplaces"), FindMember(L"DecimalPlaces"));
  EXPECT_EQ(FindMember(L"NoSuchMember"), nullptr);
}

TEST(MemberTable, TheMembersContainersTreatSpecially) {
  const Member* value = FindMember(0);
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->name, L"Value");
  EXPECT_EQ(value->attributes, kDefaultMember | kBindable | kDefaultBind);
  EXPECT_EQ(value->helpContext, 2140);

  const Member* about = FindMember(-552);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->name, L"Acerca");
  EXPECT_NE(about->attributes & kHidden, 0);

  for (const wchar_t* name : {L"FontUnderline", L"FontStrikethru", L"FontSize", L"FontName",
                              L"FontItalic", L"FontBold"}) {
    const Member* m = FindMember(name);
    ASSERT_NE(m, nullptr);
    EXPECT_NE(m->attributes & kNotBrowsable, 0) << name;
    EXPECT_FALSE(m->helpString.empty()) << name;
  }
  EXPECT_EQ(FindMember(L"FontSize")->type, ValueType::Single);
  EXPECT_EQ(FindMember(L"Font")->access, kGet | kSet);
  EXPECT_EQ(FindMember(L"MouseIcon")->access, kGet | kSet);
  EXPECT_EQ(FindMember(L"HideSelection")->access, kGet);
  EXPECT_EQ(FindMember(L"LinkExecute")->parameters.size(), 1u);
  EXPECT_EQ(FindMember(L"Refresh")->dispatchId, 0x60030031);
  EXPECT_EQ(FindMember(L"OLEDrag")->dispatchId, 0x6003005E);
}

TEST(EventTable, EighteenEventsNumberedInOrder) {
  ASSERT_EQ(Events().size(), 18u);
  std::int32_t id = 1;
  for (const EventInfo& e : Events()) EXPECT_EQ(e.dispatchId, id++) << std::wstring(e.name);
  EXPECT_EQ(FindEvent(12)->name, L"OLEDragOver");
  EXPECT_EQ(FindEvent(12)->arguments.size(), 7u);
  EXPECT_EQ(FindEvent(15)->arguments[1].type, ValueType::Boolean);
  EXPECT_EQ(FindEvent(16)->arguments.size(), 4u);
  EXPECT_EQ(FindEvent(19), nullptr);
}

}  // namespace
}  // namespace kovra
