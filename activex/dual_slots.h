// The functions of the dual interface `_KovraDouble` that follow IDispatch's seven, in vtable
// order: for each member in interface order its getter, its let, its set or the method itself.
// The type library writer gives every function its slot from this list and the vtable is built
// from it when the library is compiled, so that what a compiled client reads in the type
// library and what it calls cannot differ.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "core/member_rows.h"

namespace kovra::activex {

enum class SlotKind : std::uint8_t { Get, Let, Set, Method };

struct DualSlot {
  std::uint8_t member;  // index into the member table
  SlotKind kind;
};

// IUnknown's three functions and IDispatch's four come first in every dual interface.
inline constexpr std::size_t kDispatchSlots = 7;

namespace slots_detail {

inline constexpr std::array<std::pair<AccessFlags, SlotKind>, 4> kKinds{{
    {kGet, SlotKind::Get},
    {kLet, SlotKind::Let},
    {kSet, SlotKind::Set},
    {kMethod, SlotKind::Method},
}};

constexpr std::size_t CountSlots() {
  std::size_t count = 0;
  for (const Member& member : member_rows::kMemberRows) {
    for (const auto& [flag, kind] : kKinds) count += (member.access & flag) != 0 ? 1 : 0;
  }
  return count;
}

template <std::size_t Count>
constexpr std::array<DualSlot, Count> MakeSlots() {
  std::array<DualSlot, Count> slots{};
  std::size_t next = 0;
  for (std::size_t m = 0; m < member_rows::kMemberRows.size(); ++m) {
    for (const auto& [flag, kind] : kKinds) {
      if ((member_rows::kMemberRows[m].access & flag) != 0) {
        slots[next++] = {static_cast<std::uint8_t>(m), kind};
      }
    }
  }
  return slots;
}

}  // namespace slots_detail

inline constexpr std::array<DualSlot, slots_detail::CountSlots()> kDualSlots =
    slots_detail::MakeSlots<slots_detail::CountSlots()>();

// The member a slot belongs to.
constexpr const Member& SlotMember(const DualSlot& slot) {
  return member_rows::kMemberRows[slot.member];
}

}  // namespace kovra::activex
