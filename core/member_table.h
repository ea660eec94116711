// The control's public interface as data, the one table everything else is made from: every
// member of `_KovraDouble` in interface order with its dispatch identifier, kind, type, help
// topic and attributes, and, for a property, where its value lives, its default, what its
// setter checks and does, when it repaints and where it stands in the saved order; and every
// event of `__KovraDouble` with its arguments. The accessors, persistence, late binding, the
// driver and the type library all read these two tables.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include "base/number_text.h"
#include "base/variant.h"
#include "core/control_state.h"
#include "platform/text_box.h"

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

// Where a member's value lives.
enum class Home : std::uint8_t {
  Method,         // none: the member is a method
  Member,         // a field of PropertyMembers
  TextBox,        // a property of Text1
  Value,          // Text1's number, through the value path
  SurfaceWindow,  // the window handle of the control's own surface, read only
};

// A field of PropertyMembers, by the width it is stored in (Booleans are 16-bit).
using MemberField = std::variant<std::monostate, OleColor PropertyMembers::*,
                                 std::int16_t PropertyMembers::*, std::int32_t PropertyMembers::*,
                                 double PropertyMembers::*, PictureRef PropertyMembers::*>;

// A property of Text1: how it is read and written (`put` nullptr: read only). A value the box
// cannot take fails with ControlError before anything changes.
struct TextBoxProperty {
  Variant (*get)(TextBox& box) = nullptr;
  void (*put)(TextBox& box, const Variant& value, const Separators& separators) = nullptr;
};

// A method that Text1 carries out, given the call's arguments by position.
using TextBoxMethod = void (*)(TextBox& box, std::span<const Variant> arguments,
                               const Separators& separators);
// A method that the control carries out itself.
enum class ControlMethod : std::uint8_t { None, Refresh, About };

// When a setter brings on the full refresh.
enum class Repaint : std::uint8_t {
  Never,
  Always,
  Themed,   // only under WindowsAppearance
  Classic,  // only under Standard3DAppearance
  Spin,     // only while ButtonSpin is True
};

// What a setter checks before storing. A refused value shows the invalid-value message, stores
// nothing and is not reported to the caller.
enum class Check : std::uint8_t {
  None,
  AtLeastOne,
  AtLeastZero,
  NotNegative,  // at least zero, and a number
};

// What a setter does after storing, besides notifying: keeping the text within the spin range.
enum class AfterStore : std::uint8_t {
  Nothing,
  BringTextIntoSpinRange,  // ButtonSpin
  LowerTextToSpinMax,      // ButtonSpinMax
  RaiseTextToSpinMin,      // ButtonSpinMin
};

// A member's default, as InitProperties stores it and as both sides hand it to the property bag.
struct Default {
  enum class Kind : std::uint8_t { None, Number, Text, AmbientFont, NoPicture };
  Kind kind = Kind::None;
  double number = 0;             // Number: colours, Booleans (-1, 0), integers and doubles
  std::wstring_view text;        // Text
  bool bagTakesInteger = false;  // a False that the bag is handed as the integer 0
};

// How loading applies a saved value.
enum class Loading : std::uint8_t {
  Store,         // into the member, or into Text1's property, unchecked and unnotified
  StoreGuarded,  // the same, with the change guard set around it
  Setter,        // through the property's setter, which checks and notifies
};

// A place in the saved order: position 1 to 42, 0 for none.
struct SavedAt {
  std::uint8_t position = 0;
  Loading loading = Loading::Store;
};

struct Member {
  std::wstring_view name;
  std::int32_t dispatchId = 0;
  std::uint8_t access = 0;  // AccessFlags
  ValueType type = ValueType::None;
  std::wstring_view enumeration;  // the enumeration of an Enumeration type
  std::int32_t helpContext = 0;   // 0: none
  std::uint8_t attributes = kNoAttributes;
  std::wstring_view helpString;  // empty: none
  std::span<const MethodParameter> parameters;

  Home home = Home::Method;
  MemberField field;                         // Home::Member
  const TextBoxProperty* textBox = nullptr;  // Home::TextBox
  TextBoxMethod textBoxMethod = nullptr;
  ControlMethod controlMethod = ControlMethod::None;
  Default byDefault;
  Repaint repaint = Repaint::Never;
  Check check = Check::None;
  AfterStore afterStore = AfterStore::Nothing;
  SavedAt saved;
  SavedAt savedAgain;  // a key the set handles twice ("MouseIcon")

  constexpr bool IsMethod() const { return (access & kMethod) != 0; }
  constexpr bool IsObject() const { return type == ValueType::Font || type == ValueType::Picture; }
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
// The number of keys in the saved order ("MouseIcon" counts twice).
inline constexpr int kSavedKeys = 42;

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
