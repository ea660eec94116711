// Benchmarks reported as ratios: each program file registers its benchmarks by name and the
// pairs (ours, baseline) to compare; after the usual table the shared main prints each pair's
// ratio of CPU time. Nothing is asserted: the ratios are for reading, and they move with the
// machine and the compiler.
#pragma once

#include <benchmark/benchmark.h>

namespace kovra::bench {

// Registers `function` under `name` with a short minimum time; returns true (for statics).
bool Register(const char* name, void (*function)(benchmark::State&));
// Adds a line "ours / baseline" to the closing report.
bool AddRatio(const char* ours, const char* baseline);

}  // namespace kovra::bench

#define KOVRA_BENCH_JOIN2(a, b) a##b
#define KOVRA_BENCH_JOIN(a, b) KOVRA_BENCH_JOIN2(a, b)
#define KOVRA_BENCHMARK(name, function)                                         \
  [[maybe_unused]] static const bool KOVRA_BENCH_JOIN(kovra_bench_, __LINE__) = \
      ::kovra::bench::Register(name, function)
#define KOVRA_RATIO(ours, baseline)                                             \
  [[maybe_unused]] static const bool KOVRA_BENCH_JOIN(kovra_ratio_, __LINE__) = \
      ::kovra::bench::AddRatio(ours, baseline)
