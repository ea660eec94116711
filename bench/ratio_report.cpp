#include "bench/ratio_report.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace kovra::bench {

namespace {

struct Pair {
  std::string ours;
  std::string baseline;
};

std::vector<Pair>& Pairs() {
  static std::vector<Pair> pairs;
  return pairs;
}

// Each benchmark runs this many times; the ratios use the fastest run of each, the one least
// disturbed by other work on the machine.
constexpr int kRepetitions = 5;
constexpr const char* kFastest = "min";

double Fastest(const std::vector<double>& times) {
  return *std::min_element(times.begin(), times.end());
}

// The console table as usual, and each benchmark's fastest CPU time per iteration kept for the
// ratios.
class RatioReporter final : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Aggregate || run.aggregate_name != kFastest ||
          run.error_occurred) {
        continue;
      }
      seconds_[run.run_name.function_name] =
          run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
  }

  void PrintRatios() const {
    std::printf(
        "\nRatios, ours / baseline (fastest CPU time of %d runs of the same work; 1.0 = as "
        "fast):\n",
        kRepetitions);
    for (const Pair& pair : Pairs()) {
      const auto ours = seconds_.find(pair.ours);
      const auto baseline = seconds_.find(pair.baseline);
      if (ours == seconds_.end() || baseline == seconds_.end() || baseline->second <= 0) {
        std::printf("  %-36s / %-32s   not run\n", pair.ours.c_str(), pair.baseline.c_str());
        continue;
      }
      std::printf("  %-36s / %-32s %7.2f\n", pair.ours.c_str(), pair.baseline.c_str(),
                  ours->second / baseline->second);
    }
  }

 private:
  std::map<std::string, double> seconds_;
};

}  // namespace

bool Register(const char* name, void (*function)(benchmark::State&)) {
  benchmark::RegisterBenchmark(name, function)
      ->MinTime(0.5)
      ->Repetitions(kRepetitions)
      ->ReportAggregatesOnly()
      ->ComputeStatistics(kFastest, Fastest);
  return true;
}

bool AddRatio(const char* ours, const char* baseline) {
  Pairs().push_back({ours, baseline});
  return true;
}

}  // namespace kovra::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  kovra::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
