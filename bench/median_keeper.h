// Shows the benchmark runs as usual and keeps each benchmark's median time,
// by name ("name" or "name/argument"), for the summary against the floor.
#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <map>
#include <string>
#include <vector>

class MedianKeeper : public benchmark::ConsoleReporter {
 public:
  MedianKeeper() : ConsoleReporter(isatty(1) ? OO_ColorTabular : OO_Tabular) {}
  std::map<std::string, double> median_us;
  void ReportRuns(const std::vector<Run> &runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
      if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median" || run.error_occurred) continue;
      std::string name = run.run_name.function_name;
      if (!run.run_name.args.empty()) name += "/" + run.run_name.args;
      median_us[name] = run.GetAdjustedCPUTime();
    }
  }
};
