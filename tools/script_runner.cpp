#include "tools/script_runner.h"

#include <charconv>
#include <functional>
#include <stdexcept>

#include "core/control_error.h"
#include "core/events.h"
#include "tools/utf8.h"

namespace kovra::tools {

namespace {

// A script line that cannot be run.
struct ScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string Quoted(std::wstring_view text) { return "\"" + ToUtf8(text) + "\""; }

double ScriptNumber(const std::wstring& text) {
  double value = 0;
  if (!TryParseNumber(text, Separators{L'.', L','}, value)) {
    throw ScriptError("not a number: " + ToUtf8(text));
  }
  return value;
}

Boolean16 ScriptBoolean(const std::wstring& text) {
  if (text == L"True" || text == L"true" || text == L"-1") return kTrue;
  if (text == L"False" || text == L"false" || text == L"0") return kFalse;
  throw ScriptError("not a Boolean: " + ToUtf8(text));
}

std::int16_t ScriptInt16(const std::wstring& text) {
  const double value = ScriptNumber(text);
  if (value < -32768 || value > 32767) throw ScriptError("outside -32768..32767: " + ToUtf8(text));
  return static_cast<std::int16_t>(value);
}

// The members a script can set by name, as loading stores them: no checks, no repaint.
struct MemberSetter {
  const wchar_t* name;
  std::function<void(PropertyMembers&, const std::wstring&)> set;
};

const std::vector<MemberSetter>& MemberSetters() {
  static const std::vector<MemberSetter> kSetters{
      {L"DecimalPlaces", [](auto& p, auto& v) { p.decimalPlaces = ScriptInt16(v); }},
      {L"UseSeparator", [](auto& p, auto& v) { p.useSeparator = ScriptBoolean(v); }},
      {L"MaxValue", [](auto& p, auto& v) { p.maxValue = ScriptNumber(v); }},
      {L"MinValue", [](auto& p, auto& v) { p.minValue = ScriptNumber(v); }},
      {L"ButtonSpin", [](auto& p, auto& v) { p.buttonSpin = ScriptBoolean(v); }},
      {L"ButtonSpinMax", [](auto& p, auto& v) { p.buttonSpinMax = ScriptNumber(v); }},
      {L"ButtonSpinMin", [](auto& p, auto& v) { p.buttonSpinMin = ScriptNumber(v); }},
  };
  return kSetters;
}

std::string DescribeArgument(const std::variant<std::int16_t, std::int32_t, float>& value) {
  return std::visit([](auto v) { return std::to_string(v); }, value);
}

}  // namespace

struct ScriptRunner::Command {
  const wchar_t* name;
  std::size_t minArguments;
  void (ScriptRunner::*run)(const Arguments&);
};

const std::vector<ScriptRunner::Command>& ScriptRunner::Commands() {
  static const std::vector<Command> kCommands{
      {L"locale", 1, &ScriptRunner::Locale}, {L"new", 0, &ScriptRunner::New},
      {L"set", 2, &ScriptRunner::Set},       {L"value", 1, &ScriptRunner::Value},
      {L"show", 0, &ScriptRunner::Show},     {L"expect", 2, &ScriptRunner::Expect},
      {L"events", 0, &ScriptRunner::Events}, {L"advance", 1, &ScriptRunner::Advance},
  };
  return kCommands;
}

ScriptRunner::ScriptRunner(std::ostream& out)
    : out_(out), locale_(headless::HeadlessLocale::Preset(L"en-US").value()) {}

ScriptRunner::~ScriptRunner() = default;

void ScriptRunner::Fail(const std::string& what) {
  ++failures_;
  out_ << "  FAILED (line " << lineNumber_ << "): " << what << "\n";
}

void ScriptRunner::RunLine(std::string_view line, int lineNumber) {
  lineNumber_ = lineNumber;
  const Arguments words = SplitScriptLine(FromUtf8(line));
  if (words.empty()) return;
  out_ << "> " << line << "\n";
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
  }
}

KovraDouble& ScriptRunner::Control() {
  if (!control_) throw ScriptError("no control yet: start with \"new\"");
  return *control_;
}

void ScriptRunner::Locale(const Arguments& args) {
  const auto preset = headless::HeadlessLocale::Preset(args[0]);
  if (!preset) throw ScriptError("unknown locale " + ToUtf8(args[0]));
  locale_ = *preset;  // for the next control: a control keeps the separators it was made with
}

void ScriptRunner::New(const Arguments& /*args*/) {
  control_.reset();
  platform_ = std::make_unique<headless::HeadlessPlatform>(locale_);
  control_ = std::make_unique<KovraDouble>(*platform_);
  control_->Initialize();
  control_->InitProperties();
  const Separators& s = control_->State().separators;
  out_ << "  new control under " << ToUtf8(locale_.name) << ": decimal separator "
       << Quoted(std::wstring(1, s.decimal)) << ", group separator "
       << Quoted(std::wstring(1, s.group)) << "\n";
}

void ScriptRunner::Set(const Arguments& args) {
  for (const MemberSetter& setter : MemberSetters()) {
    if (args[0] != setter.name) continue;
    setter.set(Control().State().properties, args[1]);
    return;
  }
  throw ScriptError("unknown property " + ToUtf8(args[0]));
}

void ScriptRunner::Value(const Arguments& args) { Control().SetValue(args[0]); }

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

void ScriptRunner::Expect(const Arguments& args) {
  std::wstring actual;
  if (args[0] == L"text") {
    actual = Control().Text1().Text();
  } else if (args[0] == L"value") {
    actual = Control().Value();
  } else if (args[0] == L"caret") {
    actual = std::to_wstring(Control().Text1().SelStart());
  } else {
    throw ScriptError("expect text|value|caret");
  }
  if (actual != args[1]) Fail("expected " + Quoted(args[1]) + ", got " + Quoted(actual));
}

void ScriptRunner::Events(const Arguments& /*args*/) {
  Control();
  auto& container = platform_->container;
  for (const headless::RaisedEvent& e : container.events) {
    out_ << "  event " << ToUtf8(event::Name(e.dispatchId));
    for (const auto& argument : e.arguments) out_ << " " << DescribeArgument(argument);
    out_ << "\n";
  }
  for (const std::wstring& name : container.changedProperties) {
    out_ << "  property changed " << ToUtf8(name) << "\n";
  }
  for (const headless::ShownMessage& m : platform_->messages.shown) {
    out_ << "  message " << Quoted(m.text) << " titled " << Quoted(m.title) << "\n";
  }
  container.events.clear();
  container.changedProperties.clear();
  platform_->messages.shown.clear();
}

void ScriptRunner::Advance(const Arguments& args) {
  Control();
  std::wstring span = args[0];
  if (span.ends_with(L"ms")) span.resize(span.size() - 2);
  platform_->clock.Advance(std::chrono::milliseconds(static_cast<long>(ScriptNumber(span))));
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
