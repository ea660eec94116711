// The words of a driver script: splitting a line, reading numbers, Booleans and colours from
// it, and writing texts back in the same quoted form, so that what the driver prints can be
// pasted into a script.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/number_text.h"
#include "base/types.h"

namespace kovra::tools {

// A script line that cannot be run.
struct ScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Splits a script line into words; "double quoted" words may hold blanks and the escapes
// \" \\ and \uXXXX. A # outside quotes starts a comment.
std::vector<std::wstring> SplitScriptLine(std::wstring_view line);

// `text` in double quotes, readable by SplitScriptLine: quotes and backslashes escaped, control
// characters and blanks that do not look like blanks (no-break spaces) as \uXXXX; one line.
std::string Quoted(std::wstring_view text);

// Numbers are written with "." (not the locale's separator). Each throws ScriptError.
double ScriptNumber(const std::wstring& text);
int ScriptInt(const std::wstring& text);
std::int16_t ScriptInt16(const std::wstring& text);
// True, False, -1, 0.
Boolean16 ScriptBoolean(const std::wstring& text);
// "&H80000005", "&HC00000" or a decimal number.
OleColor ScriptColour(const std::wstring& text);

// The words one after another with `between` (a blank) between them.
std::wstring JoinedWords(std::span<const std::wstring> words, std::wstring_view between = L" ");

// How scripts write a truth: "True" or "False".
std::wstring TruthText(bool value);

// A text written in en-US form ("1,234.50") with `separators` in place of "." and ",".
std::wstring WithSeparators(std::wstring_view enUs, const Separators& separators);
// The separator that `requires decimal|group C` asks about: `which` is "decimal" or "group";
// throws ScriptError for another word.
wchar_t RequiredSeparator(const std::wstring& which, const Separators& separators);

}  // namespace kovra::tools
