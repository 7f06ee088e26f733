#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <vector>

namespace zanvik::bench {

// Prints as usual and keeps each benchmark's median real and CPU time per iteration (in the
// benchmark's own unit) over its repetitions, so that a program can print ratios against a
// baseline measured in the same run.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    struct Times {
        double real = 0;
        double cpu = 0;
    };

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                medians[run.run_name.function_name] = {run.GetAdjustedRealTime(),
                                                       run.GetAdjustedCPUTime()};
            }
        }
    }

    std::map<std::string, Times> medians;
};

} // namespace zanvik::bench
