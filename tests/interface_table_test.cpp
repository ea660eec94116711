// Every member of the interface through late binding, held to the member table's own data: a
// fresh control reads each property in the table's type and with its default, by name and by
// dispatch identifier alike; a value of that type put back reads back, and the notification
// names the member and its identifier.
#include <gtest/gtest.h>

#include "base/control_error.h"
#include "core/member_fields.h"
#include "core/member_table.h"
#include "tests/support/control_fixture.h"

namespace kovra::test {
namespace {

std::string Named(std::wstring_view name) { return std::string(name.begin(), name.end()); }

// Whether `value` is held as `member`'s type is carried: Booleans as bool, colours as 32-bit
// numbers, enumerations in the width their member is stored in.
bool HeldAsItsType(const Member& member, const Variant& value) {
  switch (member.type) {
    case ValueType::Boolean:
      return std::holds_alternative<bool>(value);
    case ValueType::Int16:
      return std::holds_alternative<std::int16_t>(value);
    case ValueType::Int32:
    case ValueType::Color:
      return std::holds_alternative<std::int32_t>(value);
    case ValueType::Enumeration:
      return SavedType(member) == ValueType::Int32 ? std::holds_alternative<std::int32_t>(value)
                                                   : std::holds_alternative<std::int16_t>(value);
    case ValueType::Single:
      return std::holds_alternative<float>(value);
    case ValueType::Double:
      return std::holds_alternative<double>(value);
    case ValueType::String:
      return std::holds_alternative<std::wstring>(value);
    case ValueType::Font:
      return std::holds_alternative<FontRef>(value);
    case ValueType::Picture:
      return std::holds_alternative<PictureRef>(value);
    default:
      return false;
  }
}

// Another value of the member's type that every such property takes.
Variant AnotherValue(const Variant& current) {
  return std::visit(
      [](const auto& v) -> Variant {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, bool>) {
          return !v;
        } else if constexpr (std::is_same_v<V, std::int16_t> || std::is_same_v<V, std::int32_t>) {
          return static_cast<V>(v == 2 ? 3 : 2);
        } else if constexpr (std::is_same_v<V, float> || std::is_same_v<V, double>) {
          return static_cast<V>(v + 3);
        } else if constexpr (std::is_same_v<V, std::wstring>) {
          return std::wstring(L"Item") + v;
        } else if constexpr (std::is_same_v<V, FontRef>) {
          return std::make_shared<Font>(Font{L"Plain Sans", 12.0f});
        } else if constexpr (std::is_same_v<V, PictureRef>) {
          return std::make_shared<Picture>(Picture{L"pointer"});
        } else {
          return std::monostate{};
        }
      },
      current);
}

// The number a value stands for, as the table writes defaults: True -1, colours unsigned.
double NumberIn(const Member& member, const Variant& value) {
  if (const auto* b = std::get_if<bool>(&value)) return *b ? -1 : 0;
  if (const auto* i = std::get_if<std::int32_t>(&value)) {
    return member.type == ValueType::Color ? static_cast<double>(static_cast<std::uint32_t>(*i))
                                           : *i;
  }
  if (const auto* i = std::get_if<std::int16_t>(&value)) return *i;
  if (const auto* f = std::get_if<float>(&value)) return *f;
  if (const auto* d = std::get_if<double>(&value)) return *d;
  ADD_FAILURE() << "not a number";
  return 0;
}

using InterfaceTableTest = ControlTest;

TEST_P(InterfaceTableTest, EveryPropertyReadsInItsTypeWithItsDefaultByNameAndIdentifier) {
  for (const Member& member : Members()) {
    if (member.IsMethod()) continue;
    SCOPED_TRACE(Named(member.name));
    const Variant byName = Control().GetProperty(member.name);
    EXPECT_EQ(Control().GetProperty(member.dispatchId), byName);
    EXPECT_TRUE(HeldAsItsType(member, byName));
    switch (member.byDefault.kind) {
      case Default::Kind::Number:
        EXPECT_EQ(NumberIn(member, byName), member.byDefault.number);
        break;
      case Default::Kind::Text:
        if (member.home != Home::Value) {
          EXPECT_EQ(byName, Variant(std::wstring(member.byDefault.text)));
        }
        break;
      case Default::Kind::NoPicture:
        EXPECT_EQ(byName, Variant(PictureRef{}));
        break;
      case Default::Kind::AmbientFont:
        ASSERT_TRUE(std::holds_alternative<FontRef>(byName));
        EXPECT_EQ(*std::get<FontRef>(byName), *platform_->Container().AmbientFont());
        break;
      case Default::Kind::None:
        break;
    }
  }
}

TEST_P(InterfaceTableTest, EveryAssignablePropertyTakesAValueOfItsTypeAndSaysWhichChanged) {
  for (const Member& member : Members()) {
    if (member.IsMethod() || (member.access & (kLet | kSet)) == 0 || member.home == Home::Value) {
      continue;
    }
    SCOPED_TRACE(Named(member.name));
    const Variant value = AnotherValue(Control().GetProperty(member.name));
    auto& site = platform_->Container();
    site.changedProperties.clear();
    site.changedDispatchIds.clear();
    try {
      Control().PutProperty(member.name, value, member.IsObject() ? PutKind::Set : PutKind::Let);
    } catch (const ControlError& e) {
      EXPECT_EQ(e.code(), ErrorCode::LinkNotActive);  // only a link has no partner to take it
      continue;
    }
    EXPECT_EQ(Control().GetProperty(member.dispatchId), value);
    ASSERT_FALSE(site.changedProperties.empty());
    EXPECT_EQ(site.changedProperties.back(), member.name);
    EXPECT_EQ(site.changedDispatchIds.back(), member.dispatchId);
  }
}

KOVRA_RUN_ON_TEST_LOCALES(InterfaceTableTest);

}  // namespace
}  // namespace kovra::test
