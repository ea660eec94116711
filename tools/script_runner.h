// Plays a driver script against a control on the headless platform and prints what the
// control shows. One action per line; see tools/README.md for the language.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/kovra_double.h"
#include "platform/headless/headless_platform.h"

namespace kovra::tools {

class ScriptRunner {
 public:
  explicit ScriptRunner(std::ostream& out);
  ~ScriptRunner();

  // Runs one line of a script. A malformed line or a failed expectation is reported on the
  // output and counted; the script goes on.
  void RunLine(std::string_view line, int lineNumber);
  int Failures() const { return failures_; }

 private:
  using Arguments = std::vector<std::wstring>;
  struct Command;
  static const std::vector<Command>& Commands();

  void Locale(const Arguments& args);
  void New(const Arguments& args);
  void Set(const Arguments& args);
  void Value(const Arguments& args);
  void Show(const Arguments& args);
  void Expect(const Arguments& args);
  void Events(const Arguments& args);
  void Advance(const Arguments& args);

  KovraDouble& Control();
  void Fail(const std::string& what);

  std::ostream& out_;
  headless::LocaleFormat locale_;
  std::unique_ptr<headless::HeadlessPlatform> platform_;
  std::unique_ptr<KovraDouble> control_;
  int lineNumber_ = 0;
  int failures_ = 0;
};

// Splits a script line into words; "double quoted" words may hold blanks and the escapes
// \" \\ and \uXXXX. A # outside quotes starts a comment.
std::vector<std::wstring> SplitScriptLine(std::wstring_view line);

}  // namespace kovra::tools
