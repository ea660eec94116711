// The script actions that act on the control as loading, the user and the container do:
// members stored as loading stores them, Value, the text box's text, caret and selection, keys,
// the clipboard, the focus changes, the lock, the container's event handler and the clock.
#include <chrono>
#include <stdexcept>

#include "control/property_access.h"
#include "core/events.h"
#include "core/member_table.h"
#include "testing/control_probe.h"
#include "tools/script_keys.h"
#include "tools/script_runner.h"
#include "tools/utf8.h"

namespace kovra::tools {

namespace {

// A script word read as a value of `member`'s type: numbers in the en-US form, colours as
// "&H80000005", Booleans as True or False.
Variant ScriptValueOf(const Member& member, const std::wstring& word) {
  switch (member.type) {
    case ValueType::Color:
      return static_cast<std::int32_t>(ScriptColour(word));
    case ValueType::Boolean:
      return ScriptBoolean(word) != kFalse;
    case ValueType::Int16:
    case ValueType::Int32:
    case ValueType::Enumeration:
      return static_cast<std::int32_t>(ScriptInt(word));
    case ValueType::Single:
    case ValueType::Double:
      return ScriptNumber(word);
    case ValueType::String:
      return word;
    default:
      throw ScriptError("set cannot store a " + ToUtf8(member.name) + "; use property");
  }
}

}  // namespace

void ScriptRunner::Set(const Arguments& args) {
  const Member* member = FindMember(args[0]);
  if (member == nullptr || member->IsMethod()) {
    throw ScriptError("unknown property " + ToUtf8(args[0]));
  }
  StoreProperty(Control(), *member, ScriptValueOf(*member, args[1]));
}

void ScriptRunner::Value(const Arguments& args) { Control().SetValue(Local(args[0])); }

void ScriptRunner::Text(const Arguments& args) {
  probe::PutTextAsWritten(Control(), Local(args[0]));
}

void ScriptRunner::Caret(const Arguments& args) {
  Control().Text1().SetSelStart(ScriptInt(args[0]));
}

void ScriptRunner::Select(const Arguments& args) {
  TextBox& box = Control().Text1();
  box.SetSelStart(ScriptInt(args[0]));
  box.SetSelLength(ScriptInt(args[1]));
}

void ScriptRunner::Type(const Arguments& args) {
  TextBox& box = Control().Text1();
  for (const std::wstring& word : args) {
    for (wchar_t c : Local(word)) {
      const KeyStroke k = TypedKey(c);
      Platform().PressKey(box, k.keyCode, k.shift, k.character);
    }
  }
}

void ScriptRunner::Key(const Arguments& args) {
  std::vector<KeyStroke> strokes;
  try {
    strokes = KeyStrokes(args);
  } catch (const std::invalid_argument& e) {
    throw ScriptError(e.what());
  }
  TextBox& box = Control().Text1();
  for (const KeyStroke& k : strokes) Platform().PressKey(box, k.keyCode, k.shift, k.character);
}

void ScriptRunner::ClipboardText(const Arguments& args) {
  Platform().GetClipboard().SetText(Local(args[0]));
}

void ScriptRunner::Focus(const Arguments& args) {
  KovraDouble& control = Control();
  const std::wstring& how = args[0];
  if (how == L"in") {
    control.EnterFocus();
  } else if (how == L"out") {
    // Towards a control that asks for validation: Validate may keep the focus.
    bool cancel = false;
    control.Text1_Validate(cancel);
    if (cancel) {
      out_ << "  the focus stays (Validate cancelled)\n";
      Record(headless::CancelledValidation{});
      return;
    }
    control.ExitFocus();
  } else if (how == L"exit") {
    control.ExitFocus();  // towards a control that asks for no validation
  } else if (how == L"leave") {
    // From the control's own surface: it loses the focus before the focus leaves the control.
    control.LostFocus();
    control.ExitFocus();
  } else if (how == L"got") {
    control.GotFocus();
  } else if (how == L"lost") {
    control.LostFocus();
  } else {
    throw ScriptError("focus in|out|exit|leave|got|lost");
  }
}

void ScriptRunner::Lock(const Arguments& args) {
  if (args[0] != L"on" && args[0] != L"off") throw ScriptError("lock on|off");
  Control().Text1().SetLocked(args[0] == L"on");
}

void ScriptRunner::Handler(const Arguments& args) {
  // "handler KeyPress 0": the container's handler sets the event's first argument to 0.
  auto& container = Platform().Container();
  if (args[0] == L"none") {
    container.onEvent = nullptr;
    return;
  }
  if (args.size() < 2) throw ScriptError("handler EVENT VALUE | handler none");
  const std::wstring name = args[0];
  const std::int16_t value = ScriptInt16(args[1]);
  container.onEvent = [name, value](int id, std::span<EventArgument> arguments) {
    if (event::Name(id) != name || arguments.empty()) return;
    if (auto* p = std::get_if<std::int16_t*>(&arguments[0])) **p = value;
  };
}

void ScriptRunner::Advance(const Arguments& args) {
  std::wstring span = args[0];
  if (span.ends_with(L"ms")) span.resize(span.size() - 2);
  Platform().Advance(std::chrono::milliseconds(ScriptInt(span)));
}

}  // namespace kovra::tools
