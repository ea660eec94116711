#include "tools/container/corpus_player.h"

#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "tools/container/corpus_case.h"
#include "tools/script_words.h"
#include "tools/utf8.h"

namespace kovra::container {
namespace {

// The course of one file: the case being played and what became of those before it.
class FilePlay {
 public:
  FilePlay(const CLSID& controlClass, std::wostream& out) : class_(controlClass), out_(out) {}

  void Line(const std::string& text, int number) {
    const std::vector<std::wstring> words = tools::SplitScriptLine(tools::FromUtf8(text));
    if (words.empty()) return;
    if (words[0] == L"case") return Begin(text, number);
    if (!case_ && !broken_) {
      Failure(number, "an action outside any case");
      failed_ = false;  // the file fails, not the next case
      ++tally_.failed;
      return;
    }
    if (skipped_ || broken_) return;
    const std::size_t failuresBefore = case_->Failures().size();
    try {
      case_->Play(words);
    } catch (const CaseSkipped& e) {
      skipped_ = true;
      out_ << L"  skipped: " << name_ << L" (line " << number << L": " << tools::FromUtf8(e.what())
           << L")\n";
    } catch (const std::exception& e) {
      Failure(number, e.what());
    }
    for (std::size_t i = failuresBefore; i < case_->Failures().size(); ++i) {
      Failure(number, case_->Failures()[i]);
    }
  }

  CorpusTally End() {
    Finish();
    return tally_;
  }

 private:
  void Begin(const std::string& text, int number) {
    Finish();
    name_ = tools::FromUtf8(text.substr(text.find("case") + 4));
    name_.erase(0, name_.find_first_not_of(L' '));
    try {
      case_ = std::make_unique<CorpusCase>(class_, out_);
    } catch (const std::exception& e) {
      broken_ = true;
      Failure(number, e.what());
    }
  }

  void Finish() {
    if (!case_ && !broken_) return;
    if (skipped_) {
      ++tally_.skipped;
    } else {
      ++tally_.played;
      if (failed_) ++tally_.failed;
    }
    case_.reset();  // its form closes before the next case's opens
    skipped_ = failed_ = broken_ = false;
  }

  void Failure(int number, const std::string& what) {
    failed_ = true;
    out_ << L"  FAILED: " << name_ << L" (line " << number << L"): " << tools::FromUtf8(what)
         << L"\n";
  }

  CLSID class_;
  std::wostream& out_;
  std::unique_ptr<CorpusCase> case_;
  std::wstring name_;
  bool skipped_ = false;
  bool failed_ = false;
  bool broken_ = false;  // the case's controls could not be placed
  CorpusTally tally_;
};

}  // namespace

CorpusTally PlayCorpusFile(const CLSID& controlClass, const std::filesystem::path& path,
                           std::wostream& out) {
  std::ifstream file(path);
  if (!file) {
    out << L"cannot read " << path.wstring() << L"\n";
    return {0, 0, 1};
  }
  FilePlay play(controlClass, out);
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) play.Line(line, number);
  const CorpusTally tally = play.End();
  out << path.filename().wstring() << L": played " << tally.played << L", skipped " << tally.skipped
      << L", failed " << tally.failed << L"\n";
  return tally;
}

}  // namespace kovra::container
