// The enumeration table: the texts with blanks that a retyped table would lose, and the shape
// every member of the type library relies on.
#include "core/enumerations.h"

#include <gtest/gtest.h>

#include <set>

namespace kovra {
namespace {

TEST(Enumerations, FifteenWithUniqueNamesAndValues) {
  ASSERT_EQ(Enumerations().size(), 15u);
  std::set<std::wstring_view> names;
  for (const Enumeration& e : Enumerations()) {
    EXPECT_TRUE(names.insert(e.name).second) << "twice";
    std::set<std::int32_t> values;
    for (const EnumMember& m : e.members) EXPECT_TRUE(values.insert(m.value).second);
    EXPECT_FALSE(e.members.empty());
  }
}

TEST(Enumerations, DescriptionsKeepTheirTrailingBlanks) {
  struct Text {
    const wchar_t* enumeration;
    std::int32_t value;
    const wchar_t* name;
    const wchar_t* description;
  };
  const Text kTexts[] = {
      {L"TypeSelLength", 0, L"All Text", L"All Text"},
      {L"TypeSelLength", 1, L"None", L"None    "},
      {L"TypeSelStart", 1, L"End", L"End      "},
      {L"TypeSelStart", 2, L"Biginning", L"Biginning"},
      {L"TypeAutoCase", 0, L"None", L"None  "},
      {L"TypeAutoCase", 2, L"Lower", L"Lower "},
      {L"TypeMousePointer", 13, L"Arrow and Hourglass", L"Arrow and Hourglass "},
      {L"TypeMousePointer", 99, L"Custom", L"Custom"},
      {L"TypeOleDropMode", 2, L"Automatic", L"Automatic "},
      {L"TypeLinkMode", 0, L"None", L"None       "},
      {L"TypeLinkMode", 3, L"Notify", L"Notify     "},
  };
  for (const Text& t : kTexts) {
    const Enumeration* e = FindEnumeration(t.enumeration);
    ASSERT_NE(e, nullptr) << t.enumeration;
    bool found = false;
    for (const EnumMember& m : e->members) {
      if (m.value != t.value) continue;
      found = true;
      EXPECT_EQ(m.name, t.name);
      EXPECT_EQ(m.description, t.description);
    }
    EXPECT_TRUE(found) << t.enumeration << " " << t.value;
  }
}

TEST(Enumerations, MousePointerEndsAtCustomNinetyNine) {
  const Enumeration* e = FindEnumeration(L"TypeMousePointer");
  ASSERT_NE(e, nullptr);
  ASSERT_EQ(e->members.size(), 17u);
  for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(e->members[i].value, static_cast<int>(i));
  EXPECT_EQ(e->members.back().value, 99);
  EXPECT_EQ(FindEnumeration(L"TypeNothing"), nullptr);
}

}  // namespace
}  // namespace kovra
