#pragma once

// Prints Google Benchmark's usual console output and keeps, for each
// benchmark, the median over its repetitions (or the single run when there is
// one), in seconds per iteration, for the table: the wall time (the manual
// time, for benchmarks that time themselves) and the processor time.

#include <benchmark/benchmark.h>

#include <map>
#include <string>

class CaptureReporter : public benchmark::ConsoleReporter
{
public:
    // Plain columns, without colour codes, so that the output reads well in a log.
    CaptureReporter() : benchmark::ConsoleReporter(OO_Tabular) { }

    void ReportRuns(const std::vector<Run> &vRuns) override
    {
        benchmark::ConsoleReporter::ReportRuns(vRuns);
        for (const Run &run : vRuns) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if ((median || single) && !run.error_occurred) {
                const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
                seconds[run.run_name.function_name] = run.GetAdjustedRealTime() / unit;
                cpuSeconds[run.run_name.function_name] = run.GetAdjustedCPUTime() / unit;
            }
        }
    }

    // The time of vName, or a negative value when it did not run.
    double time(const std::string &vName) const { return find(seconds, vName); }
    double cpuTime(const std::string &vName) const { return find(cpuSeconds, vName); }

    std::map<std::string, double> seconds;
    std::map<std::string, double> cpuSeconds;

private:
    static double find(const std::map<std::string, double> &vMap, const std::string &vName)
    {
        const auto found = vMap.find(vName);
        return found == vMap.end() ? -1.0 : found->second;
    }
};
