// SPDX-License-Identifier: GPL-3.0-or-later
#include "floorratio.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <utility>
#include <vector>

namespace tallyvane::benchmarking {
namespace {

struct Times
{
    double real = 0.0;
    double cpu = 0.0;
    bool median = false;
};

std::vector<std::pair<std::string, std::string>>& comparisons()
{
    static std::vector<std::pair<std::string, std::string>> pairs;
    return pairs;
}

// Shows the runs as usual and keeps each benchmark's times, preferring the
// median of repetitions to any single one.
class FloorReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || (run.run_type == Run::RT_Aggregate && !median))
                continue;
            Times& times = m_times[run.run_name.function_name];
            if (times.median && !median)
                continue;
            times = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime(), median};
        }
    }

    void printRatios() const
    {
        for (const auto& [measured, floor] : comparisons()) {
            const auto top = m_times.find(measured);
            const auto bottom = m_times.find(floor);
            if (top == m_times.end() || bottom == m_times.end() || bottom->second.cpu <= 0.0)
                continue;
            std::printf("ratio %s / %s: %.2f (CPU time), %.2f (wall time)\n", measured.c_str(), floor.c_str(),
                        top->second.cpu / bottom->second.cpu, top->second.real / bottom->second.real);
        }
    }

private:
    std::map<std::string, Times> m_times;
};

} // namespace

bool reportRatio(std::string measured, std::string floor)
{
    comparisons().emplace_back(std::move(measured), std::move(floor));
    return true;
}

int runBenchmarks(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    FloorReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}

} // namespace tallyvane::benchmarking
