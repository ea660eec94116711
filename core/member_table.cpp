#include "core/member_table.h"

#include <array>

#include "base/visit_helpers.h"
#include "core/events.h"
#include "core/member_rows.h"

namespace kovra {

namespace {

constexpr std::array<EventArgumentInfo, 2> kKeyArguments{
    {{L"KeyCode", ValueType::Int16}, {L"Shift", ValueType::Int16}}};
constexpr std::array<EventArgumentInfo, 1> kKeyAscii{{{L"KeyAscii", ValueType::Int16}}};
constexpr std::array<EventArgumentInfo, 4> kMouseArguments{{{L"Button", ValueType::Int16},
                                                            {L"Shift", ValueType::Int16},
                                                            {L"x", ValueType::Single},
                                                            {L"y", ValueType::Single}}};
constexpr std::array<EventArgumentInfo, 1> kEffect{{{L"Effect", ValueType::Int32}}};
constexpr std::array<EventArgumentInfo, 6> kDragDrop{{{L"Data", ValueType::DataObject},
                                                      {L"Effect", ValueType::Int32},
                                                      {L"Button", ValueType::Int16},
                                                      {L"Shift", ValueType::Int16},
                                                      {L"x", ValueType::Single},
                                                      {L"y", ValueType::Single}}};
constexpr std::array<EventArgumentInfo, 7> kDragOver{{{L"Data", ValueType::DataObject},
                                                      {L"Effect", ValueType::Int32},
                                                      {L"Button", ValueType::Int16},
                                                      {L"Shift", ValueType::Int16},
                                                      {L"x", ValueType::Single},
                                                      {L"y", ValueType::Single},
                                                      {L"State", ValueType::Int16}}};
constexpr std::array<EventArgumentInfo, 2> kSetData{
    {{L"Data", ValueType::DataObject}, {L"DataFormat", ValueType::Int16}}};
constexpr std::array<EventArgumentInfo, 2> kStartDrag{
    {{L"Data", ValueType::DataObject}, {L"AllowedEffects", ValueType::Int32}}};
constexpr std::array<EventArgumentInfo, 2> kGiveFeedback{
    {{L"Effect", ValueType::Int32}, {L"DefaultCursors", ValueType::Boolean}}};

constexpr std::array<EventInfo, 18> kEvents{{
    {L"Change", event::Change, {}},
    {L"Click", event::Click, {}},
    {L"DblClick", event::DblClick, {}},
    {L"KeyDown", event::KeyDown, kKeyArguments},
    {L"KeyPress", event::KeyPress, kKeyAscii},
    {L"KeyUp", event::KeyUp, kKeyArguments},
    {L"MouseDown", event::MouseDown, kMouseArguments},
    {L"MouseMove", event::MouseMove, kMouseArguments},
    {L"MouseUp", event::MouseUp, kMouseArguments},
    {L"OLECompleteDrag", event::OLECompleteDrag, kEffect},
    {L"OLEDragDrop", event::OLEDragDrop, kDragDrop},
    {L"OLEDragOver", event::OLEDragOver, kDragOver},
    {L"OLESetData", event::OLESetData, kSetData},
    {L"OLEStartDrag", event::OLEStartDrag, kStartDrag},
    {L"OLEGiveFeedback", event::OLEGiveFeedback, kGiveFeedback},
    {L"MouseEnter", event::MouseEnter, kMouseArguments},
    {L"MouseExit", event::MouseExit, kMouseArguments},
    {L"ButtonSpin", event::ButtonSpin, {}},
}};

}  // namespace

std::span<const Member> Members() { return member_rows::kMemberRows; }
std::span<const EventInfo> Events() { return kEvents; }

const Member* FindMember(std::wstring_view name) {
  for (const Member& m : member_rows::kMemberRows) {
    if (EqualsIgnoringCase(m.name, name)) return &m;
  }
  return nullptr;
}

const Member* FindMember(std::int32_t dispatchId) {
  for (const Member& m : member_rows::kMemberRows) {
    if (m.dispatchId == dispatchId) return &m;
  }
  return nullptr;
}

const EventInfo* FindEvent(std::int32_t dispatchId) {
  for (const EventInfo& e : kEvents) {
    if (e.dispatchId == dispatchId) return &e;
  }
  return nullptr;
}

}  // namespace kovra
