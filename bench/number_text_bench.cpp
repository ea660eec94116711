// The speed of the number texts next to the standard library's conversions of the same values,
// measured in the same run: FormatNumber with the EditMask and the grouped DisplayMask against
// std::to_chars (fixed, two decimals), ParseNumber against std::from_chars. After the usual
// table it prints each pair's ratio (ours / baseline, CPU time per value). Nothing is asserted;
// the ratios are for reading, and they move with the machine and the compiler.
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
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "entry/number_text.h"

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

void FormatEditMask(benchmark::State& state) {
  for (auto _ : state) {
    for (double v : Values()) {
      std::wstring text = kovra::FormatNumber(v, kovra::EditMask(2), kSeparators);
      benchmark::DoNotOptimize(text.data());
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kValueCount));
}

void FormatDisplayMask(benchmark::State& state) {
  for (auto _ : state) {
    for (double v : Values()) {
      std::wstring text = kovra::FormatNumber(v, kovra::DisplayMask(2, true), kSeparators);
      benchmark::DoNotOptimize(text.data());
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kValueCount));
}

void BaselineToChars(benchmark::State& state) {
  std::array<char, 64> buffer{};
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

void Parse(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::wstring& text : WideTexts()) {
      double value = kovra::ParseNumber(text, kSeparators);
      benchmark::DoNotOptimize(value);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kValueCount));
}

void BaselineFromChars(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::string& text : NarrowTexts()) {
      double value = 0;
      std::from_chars(text.data(), text.data() + text.size(), value);
      benchmark::DoNotOptimize(value);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kValueCount));
}

// Each pair: ours, then the baseline it is measured against.
struct Pair {
  const char* ours;
  const char* baseline;
};
constexpr Pair kPairs[] = {
    {"FormatNumber/EditMask(2)", "Baseline/to_chars(fixed,2)"},
    {"FormatNumber/DisplayMask(2,true)", "Baseline/to_chars(fixed,2)"},
    {"ParseNumber/en-US", "Baseline/from_chars"},
};

// The console table as usual, and each run's CPU time per iteration kept for the ratios.
class RecordingReporter final : public benchmark::ConsoleReporter {
 public:
  RecordingReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      seconds_[run.run_name.function_name] =
          run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
  }

  void PrintRatios() const {
    std::printf("\nRatios, ours / baseline (CPU time for the same %zu values; 1.0 = as fast):\n",
                kValueCount);
    for (const Pair& pair : kPairs) {
      const auto ours = seconds_.find(pair.ours);
      const auto baseline = seconds_.find(pair.baseline);
      if (ours == seconds_.end() || baseline == seconds_.end() || baseline->second <= 0) {
        std::printf("  %-34s / %-28s   not run\n", pair.ours, pair.baseline);
        continue;
      }
      std::printf("  %-34s / %-28s %7.2f\n", pair.ours, pair.baseline,
                  ours->second / baseline->second);
    }
  }

 private:
  std::map<std::string, double> seconds_;
};

}  // namespace

int main(int argc, char** argv) {
  // Short runs: the whole table takes a few seconds.
  constexpr double kMinSeconds = 0.5;
  benchmark::RegisterBenchmark("FormatNumber/EditMask(2)", FormatEditMask)->MinTime(kMinSeconds);
  benchmark::RegisterBenchmark("FormatNumber/DisplayMask(2,true)", FormatDisplayMask)
      ->MinTime(kMinSeconds);
  benchmark::RegisterBenchmark("Baseline/to_chars(fixed,2)", BaselineToChars)->MinTime(kMinSeconds);
  benchmark::RegisterBenchmark("ParseNumber/en-US", Parse)->MinTime(kMinSeconds);
  benchmark::RegisterBenchmark("Baseline/from_chars", BaselineFromChars)->MinTime(kMinSeconds);

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // The fixed inputs are made before any timing starts.
  (void)NarrowTexts();
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
