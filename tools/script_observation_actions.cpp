// The script actions that read the control and check it: what the box shows, the state behind
// it (focus, lock, the accepted and undo texts, the pending flags, the clipboard), and the one
// ordered record of events, notifications, message boxes, errors and kept focus.
#include <functional>

#include "base/control_error.h"
#include "testing/control_probe.h"
#include "tools/script_journal.h"
#include "tools/script_runner.h"
#include "tools/utf8.h"

namespace kovra::tools {

namespace {

std::string Failure(const ControlError& e) {
  return "error " + std::to_string(static_cast<int>(e.code())) + " (" + e.what() + ")";
}

}  // namespace

// One thing `state` prints and `expect NAME` compares: its words, read from the control.
struct ScriptRunner::Observation {
  std::wstring_view name;
  std::size_t words;
  bool isText;  // texts are quoted when printed and written in en-US form in expectations
  std::function<std::vector<std::wstring>(ScriptRunner&)> read;
};

const std::vector<ScriptRunner::Observation>& ScriptRunner::Observations() {
  using R = ScriptRunner;
  const auto truth = [](bool b) { return std::vector<std::wstring>{TruthText(b)}; };
  static const std::vector<Observation> kObservations{
      {L"text", 1, true, [](R& r) { return Arguments{r.Control().Text1().Text()}; }},
      {L"value", 1, true, [](R& r) { return Arguments{r.Control().Value()}; }},
      {L"caret", 1, false,
       [](R& r) { return Arguments{std::to_wstring(r.Control().Text1().SelStart())}; }},
      {L"selection", 2, false,
       [](R& r) {
         TextBox& box = r.Control().Text1();
         return Arguments{std::to_wstring(box.SelStart()), std::to_wstring(box.SelLength())};
       }},
      {L"has-focus", 1, false, [=](R& r) { return truth(probe::State(r.Control()).hasFocus); }},
      {L"locked", 1, false, [=](R& r) { return truth(r.Control().Text1().Locked()); }},
      {L"accepted", 1, true,
       [](R& r) { return Arguments{probe::Entry(r.Control()).AcceptedText()}; }},
      {L"undo", 2, true,
       [](R& r) {
         const ControlState& s = probe::State(r.Control());
         return Arguments{s.firstUndoText, s.secondUndoText};
       }},
      {L"undo-toggle", 1, false,
       [](R& r) { return Arguments{std::to_wstring(probe::Entry(r.Control()).UndoToggle())}; }},
      {L"backspace-pending", 1, false,
       [=](R& r) { return truth(probe::Entry(r.Control()).BackspacePending()); }},
      {L"saved-clipboard", 1, true,
       [](R& r) { return Arguments{probe::Entry(r.Control()).SavedClipboardText()}; }},
      {L"clipboard", 1, true,
       [](R& r) { return Arguments{r.Platform().GetClipboard().GetText()}; }},
  };
  return kObservations;
}

void ScriptRunner::Show(const Arguments& /*args*/) {
  TextBox& box = Control().Text1();
  out_ << "  shows " << Quoted(box.Text()) << "  caret " << box.SelStart();
  if (box.SelLength() > 0) out_ << "  selected " << box.SelLength();
  try {
    const std::wstring value = Control().Value();
    out_ << "  Value " << Quoted(value) << "\n";
  } catch (const ControlError& e) {
    out_ << "  Value fails: " << Failure(e) << "\n";
  }
}

void ScriptRunner::State(const Arguments& /*args*/) {
  for (const Observation& o : Observations()) {
    out_ << "  " << ToUtf8(o.name);
    try {
      for (const std::wstring& word : o.read(*this)) {
        out_ << " " << (o.isText ? Quoted(word) : ToUtf8(word));
      }
    } catch (const ControlError& e) {
      out_ << " fails: " << Failure(e);
    }
    out_ << "\n";
  }
}

void ScriptRunner::Expect(const Arguments& args) {
  const std::wstring& what = args[0];
  if (what == L"events" || what == L"event-names") {
    const auto fresh = Take(eventsSeen_);
    const std::span<const std::wstring> expected(args.begin() + 1, args.end());
    if (std::string failure = EventsMismatch(expected, fresh, what == L"event-names");
        !failure.empty()) {
      Fail(failure);
    }
    return;
  }
  if (what == L"message" || what == L"no-message") return ExpectMessages(args);
  for (const Observation& o : Observations()) {
    if (what != o.name) continue;
    if (args.size() != o.words + 1) {
      throw ScriptError("expect " + ToUtf8(what) + " takes " + std::to_string(o.words) +
                        " word(s)");
    }
    Arguments expected(args.begin() + 1, args.end());
    if (o.isText) {
      for (std::wstring& word : expected) word = Local(word);
    }
    try {
      if (std::string failure = ObservationMismatch(what, expected, o.read(*this));
          !failure.empty()) {
        Fail(failure);
      }
    } catch (const ControlError& e) {
      Fail("expected " + ToUtf8(what) + " " + Quoted(JoinedWords(expected)) +
           ", reading it failed with " + Failure(e));
    }
    return;
  }
  std::string forms = "events|event-names|message|no-message";
  for (const Observation& o : Observations()) {
    forms += '|';  // one piece at a time: g++ 12 misreads "|" + s (-Wrestrict)
    forms += ToUtf8(o.name);
  }
  throw ScriptError("expect " + forms);
}

void ScriptRunner::ExpectMessages(const Arguments& args) {
  // expect message ICON TEXT [ICON TEXT ...] / expect no-message: the boxes shown since the last
  // check, in order.
  if (args[0] == L"message" && (args.size() < 3 || args.size() % 2 == 0)) {
    throw ScriptError("expect message ICON TEXT [ICON TEXT ...]");
  }
  Arguments expected(args.begin() + 1, args.end());
  for (std::size_t i = 1; i < expected.size(); i += 2) expected[i] = Local(expected[i]);
  if (std::string failure = MessagesMismatch(expected, Take(messagesSeen_)); !failure.empty()) {
    Fail(failure);
  }
}

void ScriptRunner::Events(const Arguments& /*args*/) {
  for (const auto& entry : Take(eventsSeen_)) out_ << "  " << EventLine(entry) << "\n";
}

void ScriptRunner::Forget(const Arguments& /*args*/) {
  eventsSeen_ = messagesSeen_ = Platform().Log().entries.size();
}

}  // namespace kovra::tools
