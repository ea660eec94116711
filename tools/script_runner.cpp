#include "tools/script_runner.h"

#include <charconv>
#include <stdexcept>

#include "core/control_error.h"
#include "core/events.h"
#include "tools/script_keys.h"
#include "tools/utf8.h"

namespace kovra::tools {

namespace {

// A script line that cannot be run.
struct ScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string Quoted(std::wstring_view text) {
  std::string quoted(1, '"');  // built up piece by piece: g++ 12 misreads "\"" + s (-Wrestrict)
  quoted += ToUtf8(text);
  quoted += '"';
  return quoted;
}

double ScriptNumber(const std::wstring& text) {
  double value = 0;
  if (!TryParseNumber(text, Separators{L'.', L','}, value)) {
    throw ScriptError("not a number: " + ToUtf8(text));
  }
  return value;
}

int ScriptInt(const std::wstring& text) {
  const double value = ScriptNumber(text);
  if (value < -2147483648.0 || value > 2147483647.0 || value != static_cast<int>(value)) {
    throw ScriptError("not a whole number: " + ToUtf8(text));
  }
  return static_cast<int>(value);
}

std::int16_t ScriptInt16(const std::wstring& text) {
  const int value = ScriptInt(text);
  if (value < -32768 || value > 32767) throw ScriptError("outside -32768..32767: " + ToUtf8(text));
  return static_cast<std::int16_t>(value);
}

Boolean16 ScriptBoolean(const std::wstring& text) {
  if (text == L"True" || text == L"true" || text == L"-1") return kTrue;
  if (text == L"False" || text == L"false" || text == L"0") return kFalse;
  throw ScriptError("not a Boolean: " + ToUtf8(text));
}

// A colour as scripts write it: "&H80000005", "&HC00000" or a decimal number.
OleColor ScriptColour(const std::wstring& text) {
  if (text.starts_with(L"&H") || text.starts_with(L"&h")) {
    const std::string hex = ToUtf8(text.substr(2));
    OleColor colour = 0;
    const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), colour, 16);
    if (error != std::errc() || end != hex.data() + hex.size()) {
      throw ScriptError("not a colour: " + ToUtf8(text));
    }
    return colour;
  }
  return static_cast<OleColor>(ScriptNumber(text));
}

// The members a script can set by name, as loading stores them: no checks, no repaint.
struct MemberSetter {
  std::wstring_view name;
  void (*set)(PropertyMembers&, const std::wstring&);
};

constexpr MemberSetter kMemberSetters[] = {
    {L"DecimalPlaces", [](auto& p, auto& v) { p.decimalPlaces = ScriptInt16(v); }},
    {L"UseSeparator", [](auto& p, auto& v) { p.useSeparator = ScriptBoolean(v); }},
    {L"MaxValue", [](auto& p, auto& v) { p.maxValue = ScriptNumber(v); }},
    {L"MinValue", [](auto& p, auto& v) { p.minValue = ScriptNumber(v); }},
    {L"ButtonSpin", [](auto& p, auto& v) { p.buttonSpin = ScriptBoolean(v); }},
    {L"ButtonSpinMax", [](auto& p, auto& v) { p.buttonSpinMax = ScriptNumber(v); }},
    {L"ButtonSpinMin", [](auto& p, auto& v) { p.buttonSpinMin = ScriptNumber(v); }},
    {L"SelLength", [](auto& p, auto& v) { p.selLength = ScriptInt(v); }},
    {L"SelStart", [](auto& p, auto& v) { p.selStart = ScriptInt(v); }},
    // The look.
    {L"Appearance", [](auto& p, auto& v) { p.appearance = ScriptInt16(v); }},
    {L"Border3DStyle", [](auto& p, auto& v) { p.border3DStyle = ScriptInt16(v); }},
    {L"Edit3DOption", [](auto& p, auto& v) { p.edit3DOption = ScriptInt16(v); }},
    {L"Edit3DColor", [](auto& p, auto& v) { p.edit3DColor = ScriptColour(v); }},
    {L"XPGetTheme", [](auto& p, auto& v) { p.xpGetTheme = ScriptInt16(v); }},
    {L"WinTheme", [](auto& p, auto& v) { p.winTheme = ScriptInt16(v); }},
    {L"WinBorderWidth", [](auto& p, auto& v) { p.winBorderWidth = ScriptInt16(v); }},
    {L"WinBorderColor", [](auto& p, auto& v) { p.winBorderColor = ScriptColour(v); }},
    {L"WinBorderColorOption", [](auto& p, auto& v) { p.winBorderColorOption = ScriptInt16(v); }},
    {L"WinBorderOverColor", [](auto& p, auto& v) { p.winBorderOverColor = ScriptColour(v); }},
    {L"WinBorderEffect", [](auto& p, auto& v) { p.winBorderEffect = ScriptBoolean(v); }},
    {L"ButtonSpinEdit", [](auto& p, auto& v) { p.buttonSpinEdit = ScriptInt16(v); }},
    {L"ButtonSpinArrowColor", [](auto& p, auto& v) { p.buttonSpinArrowColor = ScriptColour(v); }},
    {L"Enabled", [](auto& p, auto& v) { p.enabled = ScriptBoolean(v); }},
    {L"Locked", [](auto& p, auto& v) { p.locked = ScriptBoolean(v); }},
    {L"BackColor", [](auto& p, auto& v) { p.backColor = ScriptColour(v); }},
    {L"ForeColor", [](auto& p, auto& v) { p.foreColor = ScriptColour(v); }},
    {L"MousePointer", [](auto& p, auto& v) { p.mousePointer = ScriptInt(v); }},
};

constexpr std::pair<std::wstring_view, MessageIcon> kIcons[] = {
    {L"Critical", MessageIcon::Critical},
    {L"Question", MessageIcon::Question},
    {L"Exclamation", MessageIcon::Exclamation},
    {L"Information", MessageIcon::Information},
};

std::wstring IconName(MessageIcon icon) {
  for (const auto& [name, value] : kIcons) {
    if (value == icon) return std::wstring(name);
  }
  return L"Unknown";
}

}  // namespace

std::wstring DescribeEvent(const headless::RaisedEvent& event) {
  std::wstring text(event::Name(event.dispatchId));
  for (std::size_t i = 0; i < event.arguments.size(); ++i) {
    text += i == 0 ? L'(' : L',';
    text += std::visit(
        [](const auto& v) {
          if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::wstring>) {
            return L"\"" + v + L"\"";
          } else {
            return GeneralNumberText(static_cast<double>(v), L'.');
          }
        },
        event.arguments[i]);
  }
  if (!event.arguments.empty()) text += L')';
  return text;
}

struct ScriptRunner::Command {
  std::wstring_view name;
  std::size_t minArguments;
  void (ScriptRunner::*run)(const Arguments&);
};

// The actions; those for the looks, from resize on, live in script_drawing_actions.cpp.
const std::vector<ScriptRunner::Command>& ScriptRunner::Commands() {
  static const std::vector<Command> kCommands{
      {L"locale", 1, &ScriptRunner::Locale},
      {L"new", 0, &ScriptRunner::New},
      {L"case", 1, &ScriptRunner::Case},
      {L"requires", 2, &ScriptRunner::Requires},
      {L"set", 2, &ScriptRunner::Set},
      {L"value", 1, &ScriptRunner::Value},
      {L"text", 1, &ScriptRunner::Text},
      {L"caret", 1, &ScriptRunner::Caret},
      {L"select", 2, &ScriptRunner::Select},
      {L"type", 1, &ScriptRunner::Type},
      {L"key", 1, &ScriptRunner::Key},
      {L"clipboard", 1, &ScriptRunner::ClipboardText},
      {L"focus", 1, &ScriptRunner::Focus},
      {L"lock", 1, &ScriptRunner::Lock},
      {L"handler", 1, &ScriptRunner::Handler},
      {L"show", 0, &ScriptRunner::Show},
      {L"expect", 1, &ScriptRunner::Expect},
      {L"events", 0, &ScriptRunner::Events},
      {L"forget", 0, &ScriptRunner::Forget},
      {L"advance", 1, &ScriptRunner::Advance},
      {L"resize", 2, &ScriptRunner::Resize},
      {L"refresh", 0, &ScriptRunner::RefreshAll},
      {L"paint", 2, &ScriptRunner::Paint},
      {L"hoverframe", 0, &ScriptRunner::HoverFrame},
      {L"theme", 1, &ScriptRunner::Theme},
      {L"align", 1, &ScriptRunner::Align},
      {L"picture", 1, &ScriptRunner::Picture},
      {L"sheet", 2, &ScriptRunner::Sheet},
      {L"property", 2, &ScriptRunner::Property},
      {L"get", 1, &ScriptRunner::Get},
      {L"invoke", 1, &ScriptRunner::InvokeMethod},
      {L"mouse", 2, &ScriptRunner::Mouse},
      {L"pointer", 2, &ScriptRunner::PointerAt},
      {L"save", 0, &ScriptRunner::Save},
      {L"load", 1, &ScriptRunner::Load},
  };
  return kCommands;
}

ScriptRunner::ScriptRunner(std::ostream& out, PlatformMaker makePlatform,
                           std::wstring defaultLocale)
    : out_(out), makePlatform_(std::move(makePlatform)), locale_(std::move(defaultLocale)) {}

ScriptRunner::~ScriptRunner() = default;

void ScriptRunner::Fail(const std::string& what) {
  ++failures_;
  out_ << "  FAILED (line " << lineNumber_ << "): " << what << "\n";
}

void ScriptRunner::RunLine(std::string_view line, int lineNumber) {
  lineNumber_ = lineNumber;
  const Arguments words = SplitScriptLine(FromUtf8(line));
  if (words.empty()) return;
  const bool startsCase = words[0] == L"case";
  if (skipping_ && !startsCase) return;
  if (echo_) out_ << "> " << line << "\n";
  try {
    for (const Command& command : Commands()) {
      if (words[0] != command.name) continue;
      if (words.size() - 1 < command.minArguments) throw ScriptError("too few arguments");
      (this->*command.run)(Arguments(words.begin() + 1, words.end()));
      return;
    }
    throw ScriptError("unknown action " + ToUtf8(words[0]));
  } catch (const ScriptError& e) {
    Fail(e.what());
  } catch (const ControlError& e) {
    out_ << "  error " << static_cast<int>(e.code()) << ": " << e.what() << "\n";
  } catch (const std::exception& e) {
    Fail(e.what());
  }
}

KovraDouble& ScriptRunner::Control() {
  if (!control_) throw ScriptError("no control yet: start with \"new\"");
  return *control_;
}

ScriptPlatform& ScriptRunner::Platform() {
  Control();
  return *platform_;
}

std::wstring ScriptRunner::Local(const std::wstring& text) {
  if (!translate_) return text;
  const Separators& s = Control().State().separators;
  std::wstring local = text;
  for (wchar_t& c : local) {
    if (c == L'.') {
      c = s.decimal;
    } else if (c == L',') {
      c = s.group;
    }
  }
  return local;
}

void ScriptRunner::Locale(const Arguments& args) { locale_ = args[0]; }

void ScriptRunner::New(const Arguments& /*args*/) {
  control_.reset();
  platform_ = makePlatform_(locale_);
  if (!platform_) throw ScriptError("no platform for locale " + ToUtf8(locale_));
  messagesTaken_ = 0;
  control_ = std::make_unique<KovraDouble>(platform_->Get());
  control_->Initialize();
  control_->InitProperties();
  platform_->Container().events.clear();
  platform_->Container().changedProperties.clear();
  if (echo_) {
    const Separators& s = control_->State().separators;
    out_ << "  new control under " << ToUtf8(locale_) << ": decimal separator "
         << Quoted(std::wstring(1, s.decimal)) << ", group separator "
         << Quoted(std::wstring(1, s.group)) << "\n";
  }
}

void ScriptRunner::Case(const Arguments& args) {
  skipping_ = false;
  ++cases_;
  New({});
  (void)args;
}

void ScriptRunner::Requires(const Arguments& args) {
  // "requires decimal ," — the rest of the case runs only where the decimal separator is ",".
  const Separators& s = Control().State().separators;
  wchar_t actual = 0;
  if (args[0] == L"decimal") {
    actual = s.decimal;
  } else if (args[0] == L"group") {
    actual = s.group;
  } else {
    throw ScriptError("requires decimal|group CHARACTER");
  }
  if (args[1].size() == 1 && args[1][0] == actual) return;
  skipping_ = true;
  ++skippedCases_;
  if (echo_) out_ << "  (skipped here)\n";
}

void ScriptRunner::Set(const Arguments& args) {
  for (const MemberSetter& setter : kMemberSetters) {
    if (args[0] != setter.name) continue;
    setter.set(Control().State().properties, args[1]);
    return;
  }
  throw ScriptError("unknown property " + ToUtf8(args[0]));
}

void ScriptRunner::Value(const Arguments& args) { Control().SetValue(Local(args[0])); }

void ScriptRunner::Text(const Arguments& args) {
  // Taken as written: the change guard is set around the write, as the control's own are.
  ControlState& state = Control().State();
  state.changeGuard = 1;
  Control().Text1().SetText(Local(args[0]));
  state.changeGuard = 0;
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
      box.PressKey(k.keyCode, k.shift, k.character);
    }
  }
}

void ScriptRunner::Key(const Arguments& args) {
  for (const std::wstring& name : args) {
    const auto k = NamedKey(name);
    if (!k) throw ScriptError("unknown key " + ToUtf8(name));
    Control().Text1().PressKey(k->keyCode, k->shift, k->character);
  }
}

void ScriptRunner::ClipboardText(const Arguments& args) {
  Platform().GetClipboard().SetText(Local(args[0]));
}

void ScriptRunner::Focus(const Arguments& args) {
  KovraDouble& control = Control();
  if (args[0] == L"in") {
    control.EnterFocus();
  } else if (args[0] == L"out") {
    bool cancel = false;
    control.Text1_Validate(cancel);
    if (cancel) {
      if (echo_) out_ << "  the focus stays (Validate cancelled)\n";
      return;
    }
    control.ExitFocus();
  } else if (args[0] == L"got") {
    control.GotFocus();
  } else if (args[0] == L"lost") {
    control.LostFocus();
  } else {
    throw ScriptError("focus in|out|got|lost");
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

void ScriptRunner::Show(const Arguments& /*args*/) {
  TextBox& box = Control().Text1();
  out_ << "  shows " << Quoted(box.Text()) << "  caret " << box.SelStart();
  if (box.SelLength() > 0) out_ << "  selected " << box.SelLength();
  try {
    out_ << "  Value " << Quoted(Control().Value());
  } catch (const ControlError& e) {
    out_ << "  Value fails: " << e.what();
  }
  out_ << "\n";
}

std::vector<std::wstring> ScriptRunner::TakeEvents() {
  auto& events = Platform().Container().events;
  std::vector<std::wstring> described;
  for (const headless::RaisedEvent& e : events) described.push_back(DescribeEvent(e));
  events.clear();
  return described;
}

std::vector<headless::ShownMessage> ScriptRunner::TakeMessages() {
  const auto all = Platform().Messages();
  std::vector<headless::ShownMessage> fresh(all.begin() + static_cast<long>(messagesTaken_),
                                            all.end());
  messagesTaken_ = all.size();
  return fresh;
}

void ScriptRunner::Expect(const Arguments& args) {
  const auto compare = [&](const std::wstring& expected, const std::wstring& actual) {
    if (actual != expected) Fail("expected " + Quoted(expected) + ", got " + Quoted(actual));
  };
  const std::wstring& what = args[0];
  const auto need = [&](std::size_t n) {
    if (args.size() < n + 1) throw ScriptError("expect " + ToUtf8(what) + ": too few arguments");
  };
  TextBox& box = Control().Text1();
  if (what == L"text") {
    need(1);
    compare(Local(args[1]), box.Text());
  } else if (what == L"value") {
    need(1);
    compare(Local(args[1]), Control().Value());
  } else if (what == L"caret") {
    need(1);
    compare(args[1], std::to_wstring(box.SelStart()));
  } else if (what == L"selection") {
    need(2);
    compare(args[1] + L" " + args[2],
            std::to_wstring(box.SelStart()) + L" " + std::to_wstring(box.SelLength()));
  } else if (what == L"clipboard") {
    need(1);
    compare(Local(args[1]), Platform().GetClipboard().GetText());
  } else if (what == L"events" || what == L"event-names") {
    // event-names leaves the arguments out, for keys whose codes differ between locales.
    std::wstring expected, actual;
    for (std::size_t i = 1; i < args.size(); ++i) expected += (i > 1 ? L" " : L"") + args[i];
    for (std::wstring e : TakeEvents()) {
      if (what == L"event-names") e = e.substr(0, e.find(L'('));
      actual += (actual.empty() ? L"" : L" ") + e;
    }
    compare(expected, actual);
  } else if (what == L"message") {
    need(2);
    const auto messages = TakeMessages();
    std::wstring actual = L"(none)";
    if (messages.size() == 1) {
      const auto& m = messages.front();
      actual = IconName(m.icon) + L" " + m.title + L": " + m.text;
    } else if (messages.size() > 1) {
      actual = std::to_wstring(messages.size()) + L" messages";
    }
    compare(args[1] + L" Ostra DoubleSingle Error: " + Local(args[2]), actual);
  } else if (what == L"no-message") {
    const auto messages = TakeMessages();
    if (!messages.empty()) Fail("unexpected message " + Quoted(messages.front().text));
  } else {
    throw ScriptError(
        "expect text|value|caret|selection|clipboard|events|event-names|message|no-message");
  }
}

void ScriptRunner::Events(const Arguments& /*args*/) {
  for (const std::wstring& e : TakeEvents()) out_ << "  event " << ToUtf8(e) << "\n";
  auto& changed = Platform().Container().changedProperties;
  for (const std::wstring& name : changed) out_ << "  property changed " << ToUtf8(name) << "\n";
  changed.clear();
  for (const headless::ShownMessage& m : TakeMessages()) {
    out_ << "  message " << ToUtf8(IconName(m.icon)) << " " << Quoted(m.title) << ": "
         << Quoted(m.text) << "\n";
  }
}

void ScriptRunner::Forget(const Arguments& /*args*/) {
  TakeEvents();
  TakeMessages();
  Platform().Container().changedProperties.clear();
}

void ScriptRunner::Advance(const Arguments& args) {
  std::wstring span = args[0];
  if (span.ends_with(L"ms")) span.resize(span.size() - 2);
  Platform().Advance(std::chrono::milliseconds(ScriptInt(span)));
}

std::vector<std::wstring> SplitScriptLine(std::wstring_view line) {
  std::vector<std::wstring> words;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == L' ' || line[i] == L'\t' || line[i] == L'\r') {
      ++i;
      continue;
    }
    if (line[i] == L'#') break;
    std::wstring word;
    if (line[i] != L'"') {
      while (i < line.size() && line[i] != L' ' && line[i] != L'\t' && line[i] != L'\r') {
        word += line[i++];
      }
      words.push_back(std::move(word));
      continue;
    }
    for (++i; i < line.size() && line[i] != L'"'; ++i) {
      if (line[i] != L'\\' || i + 1 >= line.size()) {
        word += line[i];
      } else if (line[i + 1] == L'u' && i + 5 < line.size()) {
        const std::string hex = ToUtf8(line.substr(i + 2, 4));
        unsigned code = 0;
        std::from_chars(hex.data(), hex.data() + hex.size(), code, 16);
        word += static_cast<wchar_t>(code);
        i += 5;
      } else {
        word += line[++i];
      }
    }
    ++i;  // the closing quote
    words.push_back(std::move(word));
  }
  return words;
}

}  // namespace kovra::tools
