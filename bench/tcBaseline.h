#pragma once
// Every benchmark figure is read beside a physical baseline measured in the
// same run (a blit, a copy, a loopback round trip...), so the report is a
// ratio that holds on a faster or busier machine too.
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <string>

class tcBaseline {
 public:
  // Seconds per call of `op`: after one warm-up call, batches of calls double
  // until one batch lasts `min_seconds`, so the clock is read rarely even for
  // operations of a few nanoseconds.
  static double seconds_per_op(const std::function<void()>& op, double min_seconds = 0.2) {
    op();
    for (long calls = 1;; calls *= 2) {
      const auto start = Clock::now();
      for (long i = 0; i < calls; ++i) op();
      const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
      if (elapsed >= min_seconds) return elapsed / static_cast<double>(calls);
    }
  }

  // Starts timing the benchmark's own loop; the baseline is measured first.
  explicit tcBaseline(const char* name, const std::function<void()>& op)
      : name_(name), baseline_(seconds_per_op(op)), start_(Clock::now()) {}

  // Sets the counters "<name>_us" (the baseline) and "x_<name>" (one iteration
  // of the loop over the baseline).
  void report(benchmark::State& state) const {
    const double loop = std::chrono::duration<double>(Clock::now() - start_).count();
    const double per_iteration = loop / static_cast<double>(state.iterations());
    state.counters[name_ + "_us"] = baseline_ * 1e6;
    state.counters["x_" + name_] = baseline_ > 0.0 ? per_iteration / baseline_ : 0.0;
  }

 private:
  using Clock = std::chrono::steady_clock;
  std::string name_;
  double baseline_;
  Clock::time_point start_;
};
