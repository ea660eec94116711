// The enumeration table: the shape a type library relies on (unique names, unique values within
// each enumeration) and its lookup by name.
#include "core/enumerations.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kovra {
namespace {

TEST(Enumerations, NamesAndValuesAreUniqueAndFoundByName) {
  std::set<std::wstring_view> names;
  for (const Enumeration& e : Enumerations()) {
    const std::string name(e.name.begin(), e.name.end());
    EXPECT_TRUE(names.insert(e.name).second) << name << " twice";
    EXPECT_EQ(FindEnumeration(e.name), &e) << name;
    EXPECT_FALSE(e.members.empty()) << name;
    std::set<std::int32_t> values;
    for (const EnumMember& m : e.members) {
      EXPECT_TRUE(values.insert(m.value).second) << name << " " << m.value << " twice";
    }
  }
  EXPECT_EQ(FindEnumeration(L"TypeNothing"), nullptr);
}

}  // namespace
}  // namespace kovra
