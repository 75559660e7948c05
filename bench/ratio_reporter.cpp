// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>

namespace bench {

namespace {

class CollectingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                m_seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    const std::map<std::string, double> &times() const { return m_seconds; }

private:
    std::map<std::string, double> m_seconds;
};

} // namespace

int runWithComparisons(int argc, char **argv, const std::vector<Comparison> &comparisons)
{
    benchmark::Initialize(&argc, argv);
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    for (const Comparison &c : comparisons) {
        const auto base = reporter.times().find(c.baseline);
        const auto measured = reporter.times().find(c.measured);
        if (base == reporter.times().end() || measured == reporter.times().end() ||
            measured->second <= 0)
            continue;
        std::printf("%-40s %8.1f times faster than %s (goal: %s)\n", c.measured.c_str(),
                    base->second / measured->second, c.baseline.c_str(), c.goal.c_str());
    }
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
