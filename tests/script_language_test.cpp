// The driver's script language as the corpus relies on it: printed texts read back unchanged,
// raw and typed key strokes, and expectations that count a failure whenever the control does
// not read as expected (also when reading fails).
#include <gtest/gtest.h>

#include <sstream>

#include "tools/headless_script_platform.h"
#include "tools/script_keys.h"
#include "tools/script_runner.h"
#include "tools/script_words.h"
#include "tools/utf8.h"

namespace kovra::tools {
namespace {

TEST(ScriptWords, PrintedTextsReadBackUnchanged) {
  for (const std::wstring text :
       {L"", L"1,234.50", L"say \"hi\"", L"back\\slash", L"1\u00A0234", L"1\u202F234",
        L"two\r\nlines", L"tab\there", L"# not a comment", L"\u00B7 x-kovra"}) {
    const std::string line = "expect text " + Quoted(text);
    const std::vector<std::wstring> words = SplitScriptLine(FromUtf8(line));
    ASSERT_EQ(words.size(), 3u) << line;
    EXPECT_EQ(words[2], text) << line;
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "one line: " << line;
  }
}

TEST(ScriptWords, BlanksThatLookLikeBlanksAreWrittenAsEscapes) {
  EXPECT_EQ(Quoted(L"1\u00A0234,50"), "\"1\\u00A0234,50\"");
  EXPECT_EQ(Quoted(L"12 34"), "\"12 34\"");
}

TEST(ScriptKeys, RawStrokesTakeTheirShiftAndCharacter) {
  const std::vector<std::wstring> words{L"vk=187", L"shift=1", L"char=+",
                                        L"Delete", L"vk=122",  L"shift=2"};
  const std::vector<KeyStroke> strokes = KeyStrokes(words);
  ASSERT_EQ(strokes.size(), 3u);
  EXPECT_EQ(strokes[0].keyCode, 187);
  EXPECT_EQ(strokes[0].shift, 1);
  EXPECT_EQ(strokes[0].character, L'+');
  EXPECT_EQ(strokes[1].keyCode, 46);
  EXPECT_EQ(strokes[2].keyCode, 122);
  EXPECT_EQ(strokes[2].shift, 2);
  EXPECT_EQ(strokes[2].character, 0) << "no character unless one is given";
}

TEST(ScriptKeys, MalformedStrokesAreRefused) {
  for (const std::vector<std::wstring>& words :
       std::vector<std::vector<std::wstring>>{{L"shift=1"},
                                              {L"Delete", L"shift=1"},
                                              {L"vk=0"},
                                              {L"vk=256"},
                                              {L"vk=12x"},
                                              {L"vk=65", L"shift=8"},
                                              {L"vk=65", L"char=ab"},
                                              {L"Ctrl+Q"}}) {
    EXPECT_THROW(KeyStrokes(words), std::invalid_argument) << ToUtf8(words.back());
  }
}

TEST(ScriptKeys, TypedCharactersComeFromTheUsLayout) {
  const auto stroke = [](wchar_t c) {
    const KeyStroke k = TypedKey(c);
    return std::to_string(k.keyCode) + "/" + std::to_string(k.shift);
  };
  EXPECT_EQ(stroke(L'7'), "55/0");
  EXPECT_EQ(stroke(L'a'), "65/0");
  EXPECT_EQ(stroke(L'A'), "65/1");
  EXPECT_EQ(stroke(L'-'), "189/0");
  EXPECT_EQ(stroke(L'.'), "190/0");
  EXPECT_EQ(stroke(L','), "188/0");
  EXPECT_EQ(stroke(L'+'), "187/1");
  EXPECT_EQ(stroke(L'\''), "222/0");
  EXPECT_EQ(stroke(L'\u00B7'), "231/0") << "a character the layout lacks comes as a packet";
  EXPECT_EQ(TypedKey(L'+').character, L'+');
}

// Plays `script` on the headless platform; returns the printed output.
std::string Play(const std::string& script, int& failures) {
  std::ostringstream out;
  ScriptRunner runner(
      out,
      [](const std::wstring& locale) -> std::unique_ptr<ScriptPlatform> {
        return std::make_unique<HeadlessScriptPlatform>(
            headless::HeadlessLocale::Preset(locale).value());
      },
      L"en-US");
  runner.EchoLines(false);
  std::istringstream lines(script);
  int number = 0;
  for (std::string line; std::getline(lines, line);) runner.RunLine(line, ++number);
  failures = runner.Failures();
  return out.str();
}

TEST(ScriptRunner, AFailedValueReadIsAFailedExpectationAndPrintsOnce) {
  int failures = 0;
  const std::string out = Play("new\ntext \"\"\nexpect value 0\nshow\n", failures);
  EXPECT_EQ(failures, 1) << out;
  EXPECT_NE(out.find("reading it failed with error 13"), std::string::npos) << out;
  const std::string shown = "shows \"\"  caret 0  Value fails: error 13 (Type mismatch)\n";
  EXPECT_NE(out.find(shown), std::string::npos) << out;
  EXPECT_EQ(out.find("Value  "), std::string::npos) << out;
}

TEST(ScriptRunner, EventsErrorsAndMessagesAreCheckedInTheirOrder) {
  int failures = 0;
  const std::string script =
      "new\nset ButtonSpin True\nforget\nvalue abc\nvalue 150\nvalue 7\n"
      "expect events Error(13) Message(Critical) Change\n";
  EXPECT_EQ(Play(script, failures), "  error 13: Type mismatch\n");
  EXPECT_EQ(failures, 0);
  Play(
      "new\nset ButtonSpin True\nforget\nvalue 150\nvalue abc\nexpect events Error(13) "
      "Message(Critical)\n",
      failures);
  EXPECT_EQ(failures, 1) << "the other order";
}

TEST(ScriptRunner, ACancelledValidateIsPrintedAndRecordedWithoutEcho) {
  int failures = 0;
  const std::string out = Play(
      "new\nset ButtonSpin True\nvalue 50\nfocus in\ntype 1 5 0\nforget\nfocus out\n"
      "expect events Message(Exclamation) Validate(Cancel)\nexpect has-focus True\n",
      failures);
  EXPECT_EQ(failures, 0) << out;
  EXPECT_NE(out.find("the focus stays (Validate cancelled)"), std::string::npos) << out;
}

}  // namespace
}  // namespace kovra::tools
