#pragma once

// The goals a benchmark program checks its figures against, and the reporter that keeps them.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace BenchGoals {

struct Goal
{
    const char* title;
    const char* benchmark;
    double milliseconds;
};

// Keeps the real time per iteration of every run, in milliseconds, besides the usual table.
class CRecordingReporter : public benchmark::ConsoleReporter
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

// Prints one line per goal that ran; true when every one was met.
template <size_t N>
bool Report(const CRecordingReporter& reporter, const Goal (&goals)[N])
{
    bool met = true;
    for (const Goal& goal : goals) {
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

}
