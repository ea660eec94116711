// Plays every corpus script under every test locale: natively on the headless platform, under
// Wine against the real EDIT window. Each script's cases carry their own expectations.
#include "tests/support/corpus.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>

#include "tests/support/test_platform.h"
#include "tools/script_runner.h"
#include "tools/utf8.h"

namespace kovra::test {
namespace {

struct CorpusRun {
  std::string_view file;
  std::wstring locale;
};

// How a run shows in test listings: the same text in every build, no raw bytes or addresses.
void PrintTo(const CorpusRun& run, std::ostream* out) {
  *out << run.file << " under " << tools::ToUtf8(run.locale);
}

std::vector<CorpusRun> AllRuns() {
  std::vector<CorpusRun> runs;
  for (const CorpusFile& f : Corpus()) {
    for (const std::wstring& locale : TestLocales()) runs.push_back({f.name, locale});
  }
  return runs;
}

class CorpusTest : public ::testing::TestWithParam<CorpusRun> {};

TEST_P(CorpusTest, EveryCaseHolds) {
  const CorpusRun& run = GetParam();
  std::string_view script;
  for (const CorpusFile& f : Corpus()) {
    if (f.name == run.file) script = f.script;
  }
  std::ostringstream out;
  tools::ScriptRunner runner(out, MakeTestPlatform, run.locale);
  runner.TranslateSeparators(true);
  runner.EchoLines(false);
  std::istringstream lines{std::string(script)};
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) runner.RunLine(line, number);
  EXPECT_GT(runner.Cases(), 0);
  EXPECT_EQ(runner.Failures(), 0) << run.file << " under " << tools::ToUtf8(run.locale) << ":\n"
                                  << out.str();
}

std::string RunName(const ::testing::TestParamInfo<CorpusRun>& info) {
  std::string name(info.param.file.substr(0, info.param.file.find('.')));
  name += '_';  // one piece at a time: g++ 12 misreads "_" + s (-Wrestrict)
  name += tools::ToUtf8(info.param.locale);
  for (char& c : name) {
    if (std::isalnum(static_cast<unsigned char>(c)) == 0) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusTest, ::testing::ValuesIn(AllRuns()), RunName);

}  // namespace
}  // namespace kovra::test
