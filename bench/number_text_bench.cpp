// The speed of the number texts next to the standard library's conversions of the same values,
// measured in the same run: FormatNumber with the EditMask and the grouped DisplayMask against
// std::to_chars (fixed, two decimals), ParseNumber against std::from_chars (per 1,024 values).
//
// The comparison is not like for like, and the ratio says by how much that costs: FormatNumber
// rounds half away from zero on the 15-digit decimal form, groups, puts in the locale's
// separators and returns a new std::wstring, where to_chars rounds the binary value into a
// caller's buffer; ParseNumber trims, checks the locale's grammar and copies the text before it
// converts it with from_chars.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "bench/ratio_report.h"

namespace {

constexpr std::size_t kValueCount = 1024;
const kovra::Separators kSeparators{L'.', L','};

// A fixed mix the control meets: prices and quantities, large amounts, small fractions,
// integers and negatives, drawn from a seeded generator so every run measures the same values.
const std::vector<double>& Values() {
  static const std::vector<double> values = [] {
    std::mt19937_64 generator(20240229);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-3, 9);
    std::uniform_int_distribution<int> kind(0, 9);
    std::vector<double> v;
    v.reserve(kValueCount);
    for (std::size_t i = 0; i < kValueCount; ++i) {
      double x = mantissa(generator) * std::pow(10.0, exponent(generator));
      switch (kind(generator)) {
        case 0:
          x = std::round(x);  // an integer
          break;
        case 1:
        case 2:
          x = -x;
          break;
        case 3:
          x = std::round(x * 100) / 100;  // already at two decimals
          break;
        default:
          break;
      }
      v.push_back(x);
    }
    return v;
  }();
  return values;
}

// The values as the control holds them in its text box (EditMask, two decimals) ...
const std::vector<std::wstring>& WideTexts() {
  static const std::vector<std::wstring> texts = [] {
    std::vector<std::wstring> t;
    for (double v : Values()) t.push_back(kovra::FormatNumber(v, kovra::EditMask(2), kSeparators));
    return t;
  }();
  return texts;
}

// ... and the same texts in the narrow form from_chars reads.
const std::vector<std::string>& NarrowTexts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> t;
    for (const std::wstring& w : WideTexts()) t.emplace_back(w.begin(), w.end());
    return t;
  }();
  return texts;
}

// Each loop below keeps its result alive and clobbers memory once per value, ours and the
// baselines alike, and each benchmark checks its results once outside the timed loop, so that a
// wrong result cannot pass for a fast one.

// Formatting is checked by reading the text back: two decimals, within half a hundredth of the
// value, and the grouped form is the plain one with group separators.
bool FormatsCorrectly(double value, const std::wstring& edit, const std::wstring& display) {
  std::wstring ungrouped = display;
  std::erase(ungrouped, kSeparators.group);
  const auto point = edit.find(kSeparators.decimal);
  return ungrouped == edit && point == edit.size() - 3 &&
         std::fabs(kovra::ParseNumber(edit, kSeparators) - value) <= 0.005 * (1 + 1e-12);
}

void CheckFormatting(benchmark::State& state) {
  for (double v : Values()) {
    const std::wstring edit = kovra::FormatNumber(v, kovra::EditMask(2), kSeparators);
    const std::wstring display = kovra::FormatNumber(v, kovra::DisplayMask(2, true), kSeparators);
    if (!FormatsCorrectly(v, edit, display)) return state.SkipWithError("wrong text");
  }
}

void FormatEditMask(benchmark::State& state) {
  CheckFormatting(state);
  for (auto _ : state) {
    for (double v : Values()) {
      std::wstring text = kovra::FormatNumber(v, kovra::EditMask(2), kSeparators);
      benchmark::DoNotOptimize(text.data());
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kValueCount));
}

void FormatDisplayMask(benchmark::State& state) {
  CheckFormatting(state);
  for (auto _ : state) {
    for (double v : Values()) {
      std::wstring text = kovra::FormatNumber(v, kovra::DisplayMask(2, true), kSeparators);
      benchmark::DoNotOptimize(text.data());
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kValueCount));
}

void BaselineToChars(benchmark::State& state) {
  std::array<char, 64> buffer{};
  for (double v : Values()) {
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, std::chars_format::fixed, 2);
    double back = 0;
    std::from_chars(buffer.data(), result.ptr, back);
    if (std::fabs(back - v) > 0.005 * (1 + 1e-12)) return state.SkipWithError("wrong text");
  }
  for (auto _ : state) {
    for (double v : Values()) {
      const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v,
                                        std::chars_format::fixed, 2);
      benchmark::DoNotOptimize(result.ptr);
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kValueCount));
}

// Both parsers must give the same, correctly rounded, number for every text.
double FromChars(const std::string& text) {
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

void CheckParsing(benchmark::State& state) {
  for (std::size_t i = 0; i < kValueCount; ++i) {
    if (kovra::ParseNumber(WideTexts()[i], kSeparators) != FromChars(NarrowTexts()[i])) {
      return state.SkipWithError("wrong number");
    }
  }
}

void Parse(benchmark::State& state) {
  CheckParsing(state);
  for (auto _ : state) {
    for (const std::wstring& text : WideTexts()) {
      double value = kovra::ParseNumber(text, kSeparators);
      benchmark::DoNotOptimize(value);
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kValueCount));
}

void BaselineFromChars(benchmark::State& state) {
  CheckParsing(state);
  for (auto _ : state) {
    for (const std::string& text : NarrowTexts()) {
      double value = 0;
      std::from_chars(text.data(), text.data() + text.size(), value);
      benchmark::DoNotOptimize(value);
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kValueCount));
}

}  // namespace

KOVRA_BENCHMARK("FormatNumber/EditMask(2)", FormatEditMask);
KOVRA_BENCHMARK("FormatNumber/DisplayMask(2,true)", FormatDisplayMask);
KOVRA_BENCHMARK("Baseline/to_chars(fixed,2)", BaselineToChars);
KOVRA_BENCHMARK("ParseNumber/en-US", Parse);
KOVRA_BENCHMARK("Baseline/from_chars", BaselineFromChars);
KOVRA_RATIO("FormatNumber/EditMask(2)", "Baseline/to_chars(fixed,2)");
KOVRA_RATIO("FormatNumber/DisplayMask(2,true)", "Baseline/to_chars(fixed,2)");
KOVRA_RATIO("ParseNumber/en-US", "Baseline/from_chars");
