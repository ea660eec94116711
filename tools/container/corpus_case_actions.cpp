// The corpus actions as a client, the container and a user perform them on the placed control.
#include <ostream>
#include <stdexcept>

#include "platform/headless/text_property_bag.h"
#include "platform/win32/win32_clipboard.h"
#include "tools/container/corpus_case.h"
#include "tools/container/late_binding.h"
#include "tools/container/text_form_bag.h"
#include "tools/script_keys.h"
#include "tools/script_words.h"
#include "tools/utf8.h"

namespace kovra::container {
namespace {

using activex::ComVariant;
using tools::ScriptError;

// A value of `set` as the saved properties hold it: True and False as Booleans, colours
// ("&H80000005") as 32-bit integers, numbers (written with ".") as doubles, anything else as a
// text; loading converts each to the property's type.
Variant SavedValue(const std::wstring& word) {
  if (word == L"True" || word == L"False") return word == L"True";
  if (word.starts_with(L"&H")) return static_cast<std::int32_t>(tools::ScriptColour(word));
  try {
    return tools::ScriptNumber(word);
  } catch (const ScriptError&) {
    return word;
  }
}

// Lines that have no counterpart through the control's interfaces, and why.
struct Unreachable {
  std::wstring_view action;
  const char* reason;
};
constexpr Unreachable kUnreachable[] = {
    {L"text", "text writes Text1 as the control's own code writes it, which no client can"},
    {L"state", "state reads what only a probe inside the control sees"},
    {L"advance", "the system's clock cannot be moved on"},
    {L"new", "each case places one control"},
    {L"locale", "the container plays in the user's locale"},
};

}  // namespace

struct CorpusCase::Action {
  std::wstring_view name;
  std::size_t minArguments;
  void (CorpusCase::*run)(const Words&);
};

const std::vector<CorpusCase::Action>& CorpusCase::Actions() {
  static const std::vector<Action> kActions{
      {L"set", 2, &CorpusCase::Set},         {L"property", 2, &CorpusCase::Property},
      {L"value", 1, &CorpusCase::Value},     {L"get", 1, &CorpusCase::Get},
      {L"invoke", 1, &CorpusCase::Invoke},   {L"caret", 1, &CorpusCase::Caret},
      {L"select", 2, &CorpusCase::Select},   {L"type", 1, &CorpusCase::Type},
      {L"key", 1, &CorpusCase::Key},         {L"clipboard", 1, &CorpusCase::ClipboardText},
      {L"focus", 1, &CorpusCase::Focus},     {L"lock", 1, &CorpusCase::Lock},
      {L"handler", 1, &CorpusCase::Handler}, {L"resize", 2, &CorpusCase::Resize},
      {L"refresh", 0, &CorpusCase::Refresh}, {L"requires", 2, &CorpusCase::Requires},
      {L"show", 0, &CorpusCase::Show},       {L"events", 0, &CorpusCase::Events},
      {L"forget", 0, &CorpusCase::Forget},   {L"expect", 1, &CorpusCase::Expect},
  };
  return kActions;
}

void CorpusCase::Play(const Words& words) {
  // The saved properties are complete once the case does anything else.
  if (words[0] != L"set") Load();
  for (const Action& action : Actions()) {
    if (words[0] != action.name) continue;
    if (words.size() - 1 < action.minArguments) throw ScriptError("too few arguments");
    (this->*action.run)(Words(words.begin() + 1, words.end()));
    return;
  }
  for (const Unreachable& line : kUnreachable) {
    if (words[0] == line.action) throw CaseSkipped(line.reason);
  }
  throw CaseSkipped("the container has no counterpart of " + tools::ToUtf8(words[0]));
}

void CorpusCase::Set(const Words& args) {
  if (loaded_) {
    throw CaseSkipped(
        "set stores a property as loading does, and a container loads a control "
        "before it does anything else");
  }
  saved_.Put(args[0], SavedValue(args[1]));
}

void CorpusCase::Property(const Words& args) {
  // A literal of the bag's text form in its type, anything else as a text to convert.
  Variant value;
  try {
    value = headless::TextPropertyBag::ParseValue(Local(args[1]));
  } catch (const std::invalid_argument&) {
    value = Local(args[1]);
  }
  Put(args[0], AutomationValue(value).get());
}

void CorpusCase::Value(const Words& args) { Put(L"Value", TextArgument(Local(args[0])).get()); }

void CorpusCase::Get(const Words& args) {
  ComVariant value;
  if (!Call(args[0], DISPATCH_PROPERTYGET, nullptr, value.Put())) return;
  const std::wstring shown = TextOf(value.get());
  if (args.size() < 2) {
    out_ << L"  " << args[0] << L" = " << shown << L"\n";
  } else if (shown != Local(args[1])) {
    Fail("expected " + tools::ToUtf8(args[0]) + " " + tools::Quoted(Local(args[1])) + ", got " +
         tools::Quoted(shown));
  }
}

void CorpusCase::Invoke(const Words& args) { Call(args[0], DISPATCH_METHOD, nullptr, nullptr); }

void CorpusCase::Caret(const Words& args) {
  const int at = tools::ScriptInt(args[0]);
  ::SendMessageW(Text1Window(), EM_SETSEL, static_cast<WPARAM>(at), static_cast<LPARAM>(at));
}

void CorpusCase::Select(const Words& args) {
  const int start = tools::ScriptInt(args[0]);
  ::SendMessageW(Text1Window(), EM_SETSEL, static_cast<WPARAM>(start),
                 static_cast<LPARAM>(start + tools::ScriptInt(args[1])));
}

void CorpusCase::Type(const Words& args) {
  Place();
  for (const std::wstring& word : args) {
    for (const wchar_t c : Local(word)) {
      const tools::KeyStroke k = tools::TypedKey(c);
      if (k.keyCode == tools::kPacketKey) {
        form_->PressKeyWithCharacter(tools::kPacketKey, k.shift, k.character);
      } else {
        form_->PressKey(static_cast<UINT>(k.keyCode), k.shift);
      }
    }
  }
}

void CorpusCase::Key(const Words& args) {
  Place();
  std::vector<tools::KeyStroke> strokes;
  try {
    strokes = tools::KeyStrokes(args);
  } catch (const std::invalid_argument& e) {
    throw ScriptError(e.what());
  }
  // A named key comes from the keyboard, its character from the layout; a stroke written as
  // vk= comes with exactly the character written (none unless one is).
  std::size_t next = 0;
  for (const std::wstring& word : args) {
    const bool named = tools::NamedKey(word).has_value();
    if (!named && !word.starts_with(L"vk=")) continue;
    const tools::KeyStroke& k = strokes.at(next++);
    if (named) {
      form_->PressKey(static_cast<UINT>(k.keyCode), k.shift);
    } else {
      form_->PressKeyWithCharacter(static_cast<UINT>(k.keyCode), k.shift, k.character);
    }
  }
}

void CorpusCase::ClipboardText(const Words& args) {
  win32::Win32Clipboard().SetText(Local(args[0]));
}

void CorpusCase::Focus(const Words& args) {
  Place();
  const std::wstring& how = args[0];
  if (how == L"in") {
    form_->Activate(0);  // as a click on the control or the container's Tab
  } else if (how == L"out") {
    if (form_->Focused() != 0) {
      throw CaseSkipped(
          "focus out while the control does not hold the focus: a user moves "
          "only a focus the control holds");
    }
    // Towards the other control, as a click on it moves the focus; it asks for validation.
    form_->Activate(1);
    if (form_->Focused() == 0) Record(headless::CancelledValidation{});
  } else if (how == L"exit") {
    throw CaseSkipped(
        "focus exit: the control validates whenever the focus leaves for another "
        "window of the form, so no target there asks for no validation");
  } else if (how == L"leave") {
    throw CaseSkipped(
        "focus leave: the control's surface hands the focus on to Text1, so the "
        "focus never leaves from the surface");
  } else if (how == L"got" || how == L"lost") {
    throw CaseSkipped(
        "focus got|lost: a container moves the focus; it cannot raise one half of "
        "the change alone");
  } else {
    throw ScriptError("focus in|out|exit|leave|got|lost");
  }
}

void CorpusCase::Lock(const Words& args) {
  if (args[0] != L"on" && args[0] != L"off") throw ScriptError("lock on|off");
  ::SendMessageW(Text1Window(), EM_SETREADONLY, args[0] == L"on" ? TRUE : FALSE, 0);
}

void CorpusCase::Handler(const Words& args) {
  if (args[0] == L"none") {
    handler_.reset();
    return;
  }
  if (args.size() < 2) throw ScriptError("handler EVENT VALUE | handler none");
  handler_ = EventHandler{args[0], tools::ScriptInt16(args[1])};
}

void CorpusCase::Resize(const Words& args) {
  Place();
  RECT place = form_->Site(0).place;
  place.right = place.left + tools::ScriptInt(args[0]);
  place.bottom = place.top + tools::ScriptInt(args[1]);
  form_->Move(0, place);
}

void CorpusCase::Refresh(const Words& /*args*/) {
  // The container places the control anew, which runs the full refresh; the first placing is
  // the first refresh.
  if (placed_) return form_->Move(0, form_->Site(0).place);
  Place();
}

void CorpusCase::Requires(const Words& args) {
  const wchar_t actual = tools::RequiredSeparator(args[0], separators_);
  if (args[1].size() == 1 && args[1][0] == actual) return;
  throw CaseSkipped("requires " + tools::ToUtf8(args[0]) + " " + tools::Quoted(args[1]) +
                    "; the user's locale has " + tools::Quoted(std::wstring(1, actual)));
}

void CorpusCase::Show(const Words& /*args*/) {
  const std::vector<std::wstring> selection = Observe(L"selection");
  out_ << L"  shows " << tools::FromUtf8(tools::Quoted(Text1())) << L"  caret " << selection[0]
       << L"  selected " << selection[1] << L"  Value "
       << tools::FromUtf8(tools::Quoted(Observe(L"value")[0])) << L"\n";
}

void CorpusCase::Events(const Words& /*args*/) {
  for (const auto& entry : Take(eventsSeen_)) {
    out_ << L"  " << tools::FromUtf8(tools::EventLine(entry)) << L"\n";
  }
}

void CorpusCase::Forget(const Words& /*args*/) { eventsSeen_ = messagesSeen_ = journal_.size(); }

}  // namespace kovra::container
