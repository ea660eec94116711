// Checks the number texts against cases whose answers were worked out elsewhere (by
// number_text_oracle.py with Python's decimal arithmetic). Reads the cases from standard input
// or from the file named as the only argument, prints every mismatch (the first ones in full)
// and a summary line "N passed, N failed"; exits non-zero on any mismatch, on a line it cannot
// read and on input that ends before its END line.
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/control_error.h"
#include "base/number_text.h"

namespace {

using kovra::Separators;

constexpr int kMismatchesShown = 25;

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const auto tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    line.remove_prefix(tab + 1);
  }
}

// The stream is ASCII; "\uXXXX" stands for any other character (and for the backslash).
std::optional<std::wstring> Unescape(std::string_view text) {
  std::wstring out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += static_cast<wchar_t>(static_cast<unsigned char>(text[i]));
      continue;
    }
    unsigned code = 0;
    if (text.substr(i, 2) != "\\u" || i + 6 > text.size()) return std::nullopt;
    const auto r = std::from_chars(text.data() + i + 2, text.data() + i + 6, code, 16);
    if (r.ec != std::errc() || r.ptr != text.data() + i + 6) return std::nullopt;
    out += static_cast<wchar_t>(code);
    i += 5;
  }
  return out;
}

std::string Escape(std::wstring_view text) {
  std::string out;
  for (wchar_t c : text) {
    if (c >= L' ' && c <= L'~' && c != L'\\') {
      out += static_cast<char>(c);
    } else {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(c));
      out += buffer;
    }
  }
  return out;
}

// A Double as Python's float.hex() writes it ("-0x1.8000000000000p+1").
std::optional<double> FromHex(std::string_view text) {
  bool negative = false;
  if (!text.empty() && text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  if (text.substr(0, 2) != "0x") return std::nullopt;
  text.remove_prefix(2);
  double value = 0;
  const auto r =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::hex);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size()) return std::nullopt;
  return negative ? -value : value;
}

std::string ToHex(double value) {
  char buffer[40];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::hex);
  std::string text(buffer, r.ptr);
  return text.front() == '-' ? "-0x" + text.substr(1) : "0x" + text;
}

std::optional<wchar_t> OneCharacter(std::string_view field) {
  const auto text = Unescape(field);
  if (!text || text->size() != 1) return std::nullopt;
  return text->front();
}

// What the parser made of a text, in the oracle's words.
std::string ParseOutcome(std::wstring_view text, const Separators& separators) {
  try {
    return ToHex(kovra::ParseNumber(text, separators));
  } catch (const kovra::ControlError& e) {
    if (e.code() == kovra::ErrorCode::Overflow) return "Overflow";
    if (e.code() == kovra::ErrorCode::TypeMismatch) return "TypeMismatch";
    return "ControlError " + std::to_string(static_cast<int>(e.code()));
  }
}

struct Tally {
  long passed = 0;
  long failed = 0;

  void Check(bool ok, const std::string& what) {
    if (ok) {
      ++passed;
      return;
    }
    if (++failed <= kMismatchesShown) std::cout << "mismatch: " << what << '\n';
  }
};

// One case; false when the line cannot be read at all.
bool RunCase(const std::vector<std::string_view>& f, Tally& tally) {
  const std::string_view kind = f[0];
  if (kind == "F" && f.size() == 7) {
    const auto value = FromHex(f[1]);
    int decimals = -1;
    std::from_chars(f[2].data(), f[2].data() + f[2].size(), decimals);
    const auto decimal = OneCharacter(f[4]);
    const auto group = OneCharacter(f[5]);
    const auto expected = Unescape(f[6]);
    if (!value || decimals < 0 || (f[3] != "0" && f[3] != "1") || !decimal || !group || !expected) {
      return false;
    }
    const bool grouped = f[3] == "1";
    const std::wstring got =
        kovra::FormatNumber(*value, kovra::DisplayMask(decimals, grouped), {*decimal, *group});
    tally.Check(got == *expected, "FormatNumber(" + std::string(f[1]) + ", " +
                                      std::to_string(decimals) + " decimals" +
                                      (grouped ? ", grouped" : "") + ") expected \"" +
                                      Escape(*expected) + "\" got \"" + Escape(got) + "\"");
    return true;
  }
  if (kind == "G" && f.size() == 4) {
    const auto value = FromHex(f[1]);
    const auto decimal = OneCharacter(f[2]);
    const auto expected = Unescape(f[3]);
    if (!value || !decimal || !expected) return false;
    const std::wstring got = kovra::GeneralNumberText(*value, *decimal);
    tally.Check(got == *expected, "GeneralNumberText(" + std::string(f[1]) + ") expected \"" +
                                      Escape(*expected) + "\" got \"" + Escape(got) + "\"");
    return true;
  }
  if (kind == "P" && f.size() == 5) {
    const auto text = Unescape(f[1]);
    const auto decimal = OneCharacter(f[2]);
    const auto group = OneCharacter(f[3]);
    if (!text || !decimal || !group) return false;
    const std::string expected(f[4]);
    std::string got = ParseOutcome(*text, {*decimal, *group});
    // Compare numbers by their bits, so the sign of a zero counts.
    bool same = got == expected;
    if (const auto e = FromHex(expected), g = FromHex(got); e && g) {
      same = std::bit_cast<std::uint64_t>(*e) == std::bit_cast<std::uint64_t>(*g);
    }
    tally.Check(same, "ParseNumber(\"" + Escape(*text) + "\", '" + std::string(f[2]) + "' '" +
                          std::string(f[3]) + "') expected " + expected + " got " + got);
    return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: " << argv[0] << " [cases-file]   (standard input without one)\n";
    return 2;
  }
  std::ifstream file;
  if (argc == 2) {
    file.open(argv[1]);
    if (!file) {
      std::cerr << "cannot open " << argv[1] << '\n';
      return 2;
    }
  }
  std::istream& in = argc == 2 ? static_cast<std::istream&>(file) : std::cin;

  Tally tally;
  long lineNumber = 0;
  long unreadable = 0;
  std::optional<long> announced;  // the count on the END line
  std::string line;
  while (std::getline(in, line)) {
    ++lineNumber;
    const std::vector<std::string_view> fields = SplitTabs(line);
    if (fields[0] == "END" && fields.size() == 2) {
      long count = -1;
      std::from_chars(fields[1].data(), fields[1].data() + fields[1].size(), count);
      announced = count;
      break;
    }
    if (!RunCase(fields, tally)) {
      ++unreadable;
      if (unreadable <= kMismatchesShown) {
        std::cout << "unreadable line " << lineNumber << ": " << line << '\n';
      }
    }
  }
  if (tally.failed > kMismatchesShown) {
    std::cout << "(" << tally.failed - kMismatchesShown << " more mismatches not shown)\n";
  }
  std::cout << tally.passed << " passed, " << tally.failed << " failed\n";

  const long total = tally.passed + tally.failed;
  bool ok = tally.failed == 0 && unreadable == 0 && total > 0;
  if (!announced) {
    std::cout << "the cases ended without their END line (did the generator fail?)\n";
    ok = false;
  } else if (*announced != total + unreadable) {
    std::cout << "the END line announces " << *announced << " cases, " << total + unreadable
              << " were read\n";
    ok = false;
  }
  if (unreadable > 0) std::cout << unreadable << " lines could not be read\n";
  return ok ? 0 : 1;
}
