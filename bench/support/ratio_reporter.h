#pragma once
// Prints the benchmarks as usual and keeps the fastest real time per
// iteration of each, keyed "function/args" ("ours_rotate/" without
// arguments), so that a benchmark program can print its ratios against the
// peer that ran beside it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <iomanip>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace lumena::bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration) continue;
      const std::string key = run.run_name.function_name + "/" + run.run_name.args;
      const auto found = times_.find(key);
      const double t = run.GetAdjustedRealTime();
      times_[key] = found == times_.end() ? t : std::min(found->second, t);
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // The fastest time of a benchmark in its own unit, 0 when it did not run
  // (said on the error stream, so that a key that names no benchmark is
  // seen, not silently skipped).
  double Time(const std::string& key) const {
    const auto found = times_.find(key);
    if (found != times_.end()) return found->second;
    std::cerr << "no benchmark ran as \"" << key << "\"\n";
    return 0;
  }

  void PrintRatio(const std::string& label, const std::string& ours, const std::string& peer) const {
    const double a = Time(ours), b = Time(peer);
    // Through std::cout, like the console reporter, so the lines keep their order.
    if (a > 0 && b > 0)
      std::cout << std::fixed << std::setprecision(3) << "ratio " << label << ": " << a / b << " (" << a << " against "
                << b << ")\n";
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace lumena::bench
