#pragma once

// What the benchmarks share: a reporter that keeps every run's real time and the table of goals
// printed after the runs.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

struct BenchGoal
{
    const char* title;
    const char* benchmark;
    double milliseconds;
};

// Keeps the real time per iteration of every run, in milliseconds, besides the usual table.
class RecordingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (!run.error_occurred && run.run_type == Run::RT_Iteration)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> times;
};

// Prints each goal against its time; false when one was missed.
template <std::size_t N>
bool PrintGoals(const RecordingReporter& reporter, const BenchGoal (&goals)[N])
{
    bool met = true;
    for (const BenchGoal& goal : goals) {
        const auto time = reporter.times.find(goal.benchmark);
        if (time == reporter.times.end())
            continue;
        const bool ok = time->second <= goal.milliseconds;
        met = met && ok;
        std::printf("%-36s %8.2f ms   goal <= %5.0f ms   %s\n", goal.title, time->second, goal.milliseconds,
                    ok ? "met" : "MISSED");
    }
    return met;
}
