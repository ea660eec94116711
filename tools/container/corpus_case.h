// One case of the behaviour corpus (tests/corpus/*.kds, the driver's script language) played
// through a control made by its class — the registered library when the class is named by its
// ProgID — as a container and a user reach it. The case's leading `set` lines are the saved
// properties the container loads the control from (IPersistPropertyBag; without any, the
// container initialises a new control, as a form designer does); the control is
// placed on a form of its own, with a second control of the same class beside it to take the
// focus, once the case first needs it shown (focus, keys, a new place), so that a control no
// one has sized yet is seen as such. Properties and methods go by name through IDispatch;
// keys as key messages through the form's message loop; the selection, the text and the lock
// on the window the control names as its hWnd; the system clipboard. What the case expects is
// read back from the same places and from what reached the container: the events through the
// control's event interface, the message boxes it showed, the errors its calls returned.
//
// A line with no counterpart through the control's interfaces — the state only a probe inside
// the control reads, a text written as the control's own code writes it, a focus change the
// container cannot make — ends the case as skipped, with the reason.
#pragma once

#include <ocidl.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "platform/headless/text_property_bag.h"
#include "platform/win32/test_support/message_box_recorder.h"
#include "tools/container/event_log.h"
#include "tools/container/form.h"
#include "tools/script_journal.h"

namespace kovra::container {

// Why a case cannot go on through the container.
struct CaseSkipped : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class CorpusCase {
 public:
  using Words = std::vector<std::wstring>;

  // A new control of `controlClass`, not loaded yet, and an empty form for it. Throws
  // tools::ScriptError when the class cannot be made.
  CorpusCase(const CLSID& controlClass, std::wostream& out);
  ~CorpusCase();
  CorpusCase(const CorpusCase&) = delete;
  CorpusCase& operator=(const CorpusCase&) = delete;

  // Plays one action (not `case`). A failed expectation is kept in Failures(); throws
  // CaseSkipped for a line without counterpart, tools::ScriptError for a malformed one.
  void Play(const Words& words);
  const std::vector<std::string>& Failures() const { return failures_; }

 private:
  struct Action;
  static const std::vector<Action>& Actions();

  // What a client and the container do (corpus_case_actions.cpp).
  void Set(const Words& args);
  void Property(const Words& args);
  void Value(const Words& args);
  void Get(const Words& args);
  void Invoke(const Words& args);
  void Caret(const Words& args);
  void Select(const Words& args);
  void Type(const Words& args);
  void Key(const Words& args);
  void ClipboardText(const Words& args);
  void Focus(const Words& args);
  void Lock(const Words& args);
  void Handler(const Words& args);
  void Resize(const Words& args);
  void Refresh(const Words& args);
  void Requires(const Words& args);
  void Show(const Words& args);
  void Events(const Words& args);
  void Forget(const Words& args);

  // What a case reads back (corpus_case_checks.cpp).
  void Expect(const Words& args);
  std::vector<std::wstring> Observe(const std::wstring& what);

  // The control loaded from the properties set so far (once), and placed on the form with the
  // other control beside it (once).
  void Load();
  void Place();

  // The event as the container saw it, after its handler set the arguments by reference.
  void Heard(DISPID id, DISPPARAMS& arguments);
  // A member by name; an error the control reports is recorded in order with the events.
  // Returns whether the call succeeded.
  bool Call(const std::wstring& name, WORD flags, VARIANT* argument, VARIANT* result);
  void Put(const std::wstring& name, const VARIANT& value);
  std::wstring Text1() const;
  HWND Text1Window() const;
  // A text of the script, written in en-US form, with the user's separators.
  std::wstring Local(const std::wstring& text) const;
  // Adds what reached the container, or what a call brought back, to the journal.
  void Record(tools::JournalEntry entry);
  // The journal entries after `seen`, which then moves to the end.
  std::vector<tools::JournalEntry> Take(std::size_t& seen);
  void Fail(const std::string& what) { failures_.push_back(what); }

  std::wostream& out_;
  Separators separators_;
  win32::MessageBoxRecorder boxes_;  // outlives the form: a box may close with it
  std::unique_ptr<Form> form_;
  CLSID class_;
  ComPtr<IOleObject> control_;
  ComPtr<IDispatch> automation_;
  std::unique_ptr<EventLog> events_;
  headless::TextPropertyBag saved_{false};  // what the container loads the control from
  bool loaded_ = false;
  bool placed_ = false;
  std::vector<tools::JournalEntry> journal_;
  std::size_t eventsSeen_ = 0;
  std::size_t messagesSeen_ = 0;
  struct EventHandler {
    std::wstring event;
    short value;
  };
  std::optional<EventHandler> handler_;
  std::vector<std::string> failures_;
};

}  // namespace kovra::container
