// The control's public interface as data: every member of `_KovraDouble` in interface order with
// its dispatch identifier, kind, type, help topic and attributes, and every event of
// `__KovraDouble` with its arguments. The type library and the late-bound dispatch are made from
// these two tables.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kovra {

// The type of a property value, a method argument or an event argument.
enum class ValueType {
  None,
  Boolean,  // 16-bit, True = -1
  Int16,
  Int32,
  Single,
  Double,
  String,
  Color,        // 32-bit OLE colour
  Enumeration,  // 32-bit in the library, named by `enumeration`
  Font,         // the standard font object
  Picture,      // the standard picture object
  DataObject,   // the host's drag-and-drop data object
};

// How a member is reached: a property has a getter and a let (by value) or set (by reference).
enum AccessFlags : std::uint8_t {
  kGet = 1,
  kLet = 2,
  kSet = 4,
  kMethod = 8,
};

enum MemberAttributes : std::uint8_t {
  kNoAttributes = 0,
  kDefaultMember = 1,  // dispatch identifier 0: the control's default property
  kBindable = 2,       // a data-bound container binds to it
  kDefaultBind = 4,
  kHidden = 8,         // not listed by object browsers
  kNotBrowsable = 16,  // not shown in the property browser
};

struct MethodParameter {
  std::wstring_view name;
  ValueType type;
};

struct Member {
  std::wstring_view name;
  std::int32_t dispatchId;
  std::uint8_t access;            // AccessFlags
  ValueType type;                 // the property's type; None for a method
  std::wstring_view enumeration;  // the enumeration of an Enumeration type
  std::int32_t helpContext;       // 0: none
  std::uint8_t attributes;        // MemberAttributes
  std::wstring_view helpString;   // empty: none
  std::span<const MethodParameter> parameters;
};

struct EventArgumentInfo {
  std::wstring_view name;
  ValueType type;
};

struct EventInfo {
  std::wstring_view name;
  std::int32_t dispatchId;
  std::span<const EventArgumentInfo> arguments;  // all passed by reference
};

// The dispatch identifier of the default member, Value (DISPID_VALUE).
inline constexpr std::int32_t kValueDispatchId = 0;

// The 57 members in interface order.
std::span<const Member> Members();
// The 18 events in interface order.
std::span<const EventInfo> Events();

// Lookups; names compare without regard to case, as Automation does. nullptr when unknown.
const Member* FindMember(std::wstring_view name);
const Member* FindMember(std::int32_t dispatchId);
const EventInfo* FindEvent(std::int32_t dispatchId);

// The type library's own facts.
inline constexpr std::wstring_view kTypeLibraryName = L"Kovra_Double";
inline constexpr std::wstring_view kTypeLibraryDescription = L"KovraDouble Control";
inline constexpr std::wstring_view kHelpFile = L"KovraTool.chm";
inline constexpr std::uint16_t kTypeLibraryLocale = 0x0409;

}  // namespace kovra
