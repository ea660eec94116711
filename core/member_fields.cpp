#include "core/member_fields.h"

#include "base/coercion.h"
#include "base/visit_helpers.h"

namespace kovra {

Variant ReadField(const PropertyMembers& members, const Member& member) {
  return std::visit(Overloaded{
                        [](std::monostate) -> Variant { return std::monostate{}; },
                        [&](OleColor PropertyMembers::*field) -> Variant {
                          return static_cast<std::int32_t>(members.*field);
                        },
                        [&](std::int16_t PropertyMembers::*field) -> Variant {
                          if (member.type == ValueType::Boolean) return members.*field != kFalse;
                          return members.*field;
                        },
                        [&](auto field) -> Variant { return members.*field; },
                    },
                    member.field);
}

void StoreField(PropertyMembers& members, const Member& member, const Variant& value,
                const Separators& separators) {
  std::visit(
      Overloaded{
          [](std::monostate) {},
          [&](OleColor PropertyMembers::*field) { members.*field = ToColor(value, separators); },
          [&](std::int16_t PropertyMembers::*field) {
            members.*field = member.type == ValueType::Boolean ? ToBoolean(value, separators)
                                                               : ToInt16(value, separators);
          },
          [&](std::int32_t PropertyMembers::*field) {
            members.*field = ToInt32(value, separators);
          },
          [&](double PropertyMembers::*field) { members.*field = ToDouble(value, separators); },
          [&](PictureRef PropertyMembers::*field) { members.*field = ToPicture(value); },
      },
      member.field);
}

ValueType SavedType(const Member& member) {
  switch (member.type) {
    case ValueType::Color:
      return ValueType::Int32;
    case ValueType::Enumeration:
      return std::holds_alternative<std::int32_t PropertyMembers::*>(member.field)
                 ? ValueType::Int32
                 : ValueType::Int16;
    default:
      return member.type;
  }
}

PropertyMembers DefaultProperties() {
  PropertyMembers members;
  for (const Member& member : Members()) {
    if (member.home != Home::Member) continue;
    if (member.byDefault.kind == Default::Kind::Number) {
      StoreField(members, member, member.byDefault.number, Separators{L'.', L','});
    }
  }
  return members;
}

Variant DefaultValue(const Member& member) {
  const Default& d = member.byDefault;
  switch (d.kind) {
    case Default::Kind::Number:
      if (d.bagTakesInteger) return static_cast<std::int16_t>(d.number);
      switch (SavedType(member)) {
        case ValueType::Boolean:
          return d.number != 0;
        case ValueType::Int16:
          return static_cast<std::int16_t>(d.number);
        case ValueType::Int32:
          return static_cast<std::int32_t>(static_cast<std::uint32_t>(d.number));
        case ValueType::Single:
          return static_cast<float>(d.number);
        default:
          return d.number;
      }
    case Default::Kind::Text:
      return std::wstring(d.text);
    case Default::Kind::NoPicture:
      return PictureRef{};
    case Default::Kind::AmbientFont:
    case Default::Kind::None:
      break;
  }
  return std::monostate{};
}

}  // namespace kovra
