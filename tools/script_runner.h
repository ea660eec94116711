// Plays a driver script against a control and reports what the control shows. One action per
// line; README.md describes the language. The same scripts serve as the behaviour corpus: the
// tests play them on the headless platform under every locale and on the real Windows platform.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "control/kovra_double.h"
#include "pages/property_page.h"
#include "tools/control_picture.h"
#include "tools/script_journal.h"
#include "tools/script_platform.h"
#include "tools/script_words.h"

namespace kovra::tools {

class ScriptRunner {
 public:
  // Makes the platform for a new control from a locale name (the name of the last `locale`
  // line, or `defaultLocale`).
  using PlatformMaker = std::function<std::unique_ptr<ScriptPlatform>(const std::wstring& locale)>;

  ScriptRunner(std::ostream& out, PlatformMaker makePlatform, std::wstring defaultLocale);
  ~ScriptRunner();

  // With translation on, texts in the script are read as en-US ("1,234.50") and played with the
  // control's own separators, so that one script serves every locale.
  void TranslateSeparators(bool on) { translate_ = on; }
  // Prints each line before it runs (the driver does; the tests do not).
  void EchoLines(bool on) { echo_ = on; }
  // Where `picture` and `sheet` write their files (the driver writes PNG); without one they
  // only compose the picture.
  using PictureWriter = std::function<void(const std::string& path, const Bitmap& picture)>;
  void SetPictureWriter(PictureWriter writer) { writePicture_ = std::move(writer); }

  // Runs one line. A malformed line or a failed expectation is reported on the output, with the
  // line's number, and counted; the script goes on.
  void RunLine(std::string_view line, int lineNumber);
  int Failures() const { return failures_; }
  int Cases() const { return cases_; }
  int SkippedCases() const { return skippedCases_; }

 private:
  using Arguments = std::vector<std::wstring>;
  struct Command;
  struct Observation;
  static const std::vector<Command>& Commands();
  // What `state` prints and `expect` compares, by name (script_observation_actions.cpp).
  static const std::vector<Observation>& Observations();

  // The course of a script (script_runner.cpp).
  void Locale(const Arguments& args);
  void New(const Arguments& args);
  void Case(const Arguments& args);
  void Requires(const Arguments& args);
  // A new platform and control for the current locale, initialized; no properties yet.
  void PlaceControl();

  // What loading, the user and the container do (script_input_actions.cpp).
  void Set(const Arguments& args);
  void Value(const Arguments& args);
  void Text(const Arguments& args);
  void Caret(const Arguments& args);
  void Select(const Arguments& args);
  void Type(const Arguments& args);
  void Key(const Arguments& args);
  void ClipboardText(const Arguments& args);
  void Focus(const Arguments& args);
  void Lock(const Arguments& args);
  void Handler(const Arguments& args);
  void Advance(const Arguments& args);

  // What the script reads and checks (script_observation_actions.cpp).
  void Show(const Arguments& args);
  void State(const Arguments& args);
  void Expect(const Arguments& args);
  void ExpectMessages(const Arguments& args);
  void Events(const Arguments& args);
  void Forget(const Arguments& args);

  // The looks (script_drawing_actions.cpp).
  void Resize(const Arguments& args);
  void RefreshAll(const Arguments& args);
  void Paint(const Arguments& args);
  void HoverFrame(const Arguments& args);
  void Theme(const Arguments& args);
  void Align(const Arguments& args);
  void Picture(const Arguments& args);
  void Sheet(const Arguments& args);

  // The public interface by name, the mouse, the bag (script_interface_actions.cpp).
  void Property(const Arguments& args);
  void Get(const Arguments& args);
  void InvokeMethod(const Arguments& args);
  void Mouse(const Arguments& args);
  void PointerAt(const Arguments& args);
  void Save(const Arguments& args);
  void Load(const Arguments& args);
  MouseSource& WindowNamed(const std::wstring& name);

  // Design time: the property pages, the About box and the shell (script_page_actions.cpp).
  void Page(const Arguments& args);
  void About(const Arguments& args);
  void Shell(const Arguments& args);
  // The page called NAME (class or caption), made for the current control on first use.
  pages::PropertyPage& PageNamed(const std::wstring& name);

  KovraDouble& Control();
  ScriptPlatform& Platform();
  // A script text in the control's separators (when translating).
  std::wstring Local(const std::wstring& text);
  // Adds what a call brought back (an error, a kept focus) to the platform's journal.
  void Record(headless::Journal::Entry entry);
  // The journal entries after `seen`, which then moves to the end.
  std::vector<headless::Journal::Entry> Take(std::size_t& seen);
  void Fail(const std::string& what);

  std::ostream& out_;
  PlatformMaker makePlatform_;
  std::wstring locale_;
  std::unique_ptr<ScriptPlatform> platform_;
  std::unique_ptr<KovraDouble> control_;
  // The pages of the current control, by class, and the control as their selection.
  std::unique_ptr<pages::ControlTarget> pageTarget_;
  std::map<std::wstring, std::unique_ptr<pages::PropertyPage>> pages_;
  bool translate_ = false;
  bool echo_ = true;
  bool skipping_ = false;         // the case's requirement does not hold here
  std::size_t eventsSeen_ = 0;    // journal entries already checked by `expect events`
  std::size_t messagesSeen_ = 0;  // journal entries already checked by `expect message`
  int lineNumber_ = 0;
  int failures_ = 0;
  int cases_ = 0;
  int skippedCases_ = 0;
  PictureWriter writePicture_;
  std::vector<CaptionedPicture> pictures_;  // taken since the last sheet
};

}  // namespace kovra::tools
