// The interface tables: the numbering rules a retyped entry would break, the lookups by name and
// by identifier, and the enumerations the typed properties name.
#include "core/member_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/enumerations.h"

namespace kovra {
namespace {

std::string Named(std::wstring_view name) { return std::string(name.begin(), name.end()); }

TEST(MemberTable, PropertiesCountDownFromTheTopIdentifierInInterfaceOrder) {
  std::int32_t next = 0x68030030;
  for (const Member& m : Members()) {
    if ((m.access & kMethod) != 0) {
      EXPECT_EQ(m.type, ValueType::None) << Named(m.name);
    } else if (m.name == L"Value") {
      EXPECT_EQ(m.dispatchId, 0);  // the default member
    } else {
      EXPECT_EQ(m.dispatchId, next--) << Named(m.name);
    }
  }
}

TEST(MemberTable, NamesAndIdentifiersAreUniqueAndFoundEitherWay) {
  std::set<std::wstring_view> names;
  std::set<std::int32_t> ids;
  for (const Member& m : Members()) {
    EXPECT_TRUE(names.insert(m.name).second) << Named(m.name);
    EXPECT_TRUE(ids.insert(m.dispatchId).second) << Named(m.name);
    EXPECT_EQ(FindMember(m.dispatchId), &m);
    EXPECT_EQ(FindMember(m.name), &m);
    // A typed property names an enumeration of the library, and only a typed one names any.
    EXPECT_EQ(m.type == ValueType::Enumeration, !m.enumeration.empty()) << Named(m.name);
    if (!m.enumeration.empty()) {
      EXPECT_NE(FindEnumeration(m.enumeration), nullptr) << Named(m.name);
    }
  }
  EXPECT_EQ(FindMember(L"decimalplaces"), FindMember(L"DecimalPlaces"));
  EXPECT_EQ(FindMember(L"NoSuchMember"), nullptr);
}

TEST(EventTable, EventsAreNumberedFromOneInOrderAndFoundByIdentifier) {
  std::int32_t id = 1;
  for (const EventInfo& e : Events()) {
    EXPECT_EQ(e.dispatchId, id++) << Named(e.name);
    EXPECT_EQ(FindEvent(e.dispatchId), &e);
  }
  EXPECT_EQ(FindEvent(id), nullptr);
}

}  // namespace
}  // namespace kovra
