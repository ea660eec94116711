// Plays a driver script against a control and reports what the control shows. One action per
// line; README.md describes the language. The same scripts serve as the behaviour corpus: the
// tests play them on the headless platform under every locale and on the real Windows platform.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/kovra_double.h"
#include "tools/control_picture.h"
#include "tools/script_platform.h"

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
  static const std::vector<Command>& Commands();

  void Locale(const Arguments& args);
  void New(const Arguments& args);
  void Case(const Arguments& args);
  void Requires(const Arguments& args);
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
  void Show(const Arguments& args);
  void Expect(const Arguments& args);
  void Events(const Arguments& args);
  void Forget(const Arguments& args);
  void Advance(const Arguments& args);
  void Resize(const Arguments& args);
  void RefreshAll(const Arguments& args);
  void Paint(const Arguments& args);
  void HoverFrame(const Arguments& args);
  void Theme(const Arguments& args);
  void Align(const Arguments& args);
  void Picture(const Arguments& args);
  void Sheet(const Arguments& args);
  void Property(const Arguments& args);
  void Get(const Arguments& args);
  void InvokeMethod(const Arguments& args);
  void Mouse(const Arguments& args);
  void PointerAt(const Arguments& args);
  void Save(const Arguments& args);
  void Load(const Arguments& args);
  MouseSource& WindowNamed(const std::wstring& name);

  KovraDouble& Control();
  ScriptPlatform& Platform();
  // A script text in the control's separators (when translating).
  std::wstring Local(const std::wstring& text);
  // The events and messages raised since they were last reported, then forgets them.
  std::vector<std::wstring> TakeEvents();
  std::vector<headless::ShownMessage> TakeMessages();
  void Fail(const std::string& what);

  std::ostream& out_;
  PlatformMaker makePlatform_;
  std::wstring locale_;
  std::unique_ptr<ScriptPlatform> platform_;
  std::unique_ptr<KovraDouble> control_;
  bool translate_ = false;
  bool echo_ = true;
  bool skipping_ = false;  // the case's requirement does not hold here
  std::size_t messagesTaken_ = 0;
  int lineNumber_ = 0;
  int failures_ = 0;
  int cases_ = 0;
  int skippedCases_ = 0;
  PictureWriter writePicture_;
  std::vector<CaptionedPicture> pictures_;  // taken since the last sheet
};

// Splits a script line into words; "double quoted" words may hold blanks and the escapes
// \" \\ and \uXXXX. A # outside quotes starts a comment.
std::vector<std::wstring> SplitScriptLine(std::wstring_view line);

// One raised event as scripts write it: "Change", "KeyPress(53)", "KeyDown(46,0)".
std::wstring DescribeEvent(const headless::RaisedEvent& event);

}  // namespace kovra::tools
