#include "tools/script_runner.h"

#include <stdexcept>

#include "base/control_error.h"
#include "testing/control_probe.h"
#include "tools/utf8.h"

namespace kovra::tools {

struct ScriptRunner::Command {
  std::wstring_view name;
  std::size_t minArguments;
  void (ScriptRunner::*run)(const Arguments&);
};

// The actions, each family in a file of its own (see script_runner.h).
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
      {L"state", 0, &ScriptRunner::State},
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
      {L"page", 2, &ScriptRunner::Page},
      {L"about", 0, &ScriptRunner::About},
      {L"shell", 1, &ScriptRunner::Shell},
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
    // What a caller of the control gets: printed here, and kept in order with the events.
    out_ << "  error " << static_cast<int>(e.code()) << ": " << e.what() << "\n";
    Record(headless::ReportedError{static_cast<int>(e.code()), FromUtf8(e.what())});
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
  return WithSeparators(text, probe::State(Control()).separators);
}

void ScriptRunner::Record(headless::Journal::Entry entry) {
  if (platform_) platform_->Log().entries.push_back(std::move(entry));
}

std::vector<headless::Journal::Entry> ScriptRunner::Take(std::size_t& seen) {
  const auto& entries = Platform().Log().entries;
  std::vector<headless::Journal::Entry> fresh(entries.begin() + static_cast<long>(seen),
                                              entries.end());
  seen = entries.size();
  return fresh;
}

void ScriptRunner::Locale(const Arguments& args) { locale_ = args[0]; }

void ScriptRunner::PlaceControl() {
  pages_.clear();
  pageTarget_.reset();
  control_.reset();
  platform_ = makePlatform_(locale_);
  if (!platform_) throw ScriptError("no platform for locale " + ToUtf8(locale_));
  eventsSeen_ = messagesSeen_ = 0;
  control_ = std::make_unique<KovraDouble>(platform_->Get());
  platform_->Seat(*control_);
  control_->Initialize();
}

void ScriptRunner::New(const Arguments& /*args*/) {
  PlaceControl();
  control_->InitProperties();
  // A new control starts with nothing to report.
  platform_->Container().events.clear();
  platform_->Container().changedProperties.clear();
  eventsSeen_ = messagesSeen_ = platform_->Log().entries.size();
  if (echo_) {
    const Separators& s = probe::State(*control_).separators;
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
  const wchar_t actual = RequiredSeparator(args[0], probe::State(Control()).separators);
  if (args[1].size() == 1 && args[1][0] == actual) return;
  skipping_ = true;
  ++skippedCases_;
  if (echo_) out_ << "  (skipped here)\n";
}

}  // namespace kovra::tools
