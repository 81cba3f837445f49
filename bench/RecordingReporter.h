#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

// Keeps the real time per iteration of every run, in milliseconds, besides the usual table, and
// prints the times against the goals they must meet.
class RecordingReporter : public benchmark::ConsoleReporter
{
public:
    struct Goal
    {
        const char* title;
        const char* benchmark;
        double milliseconds;
    };

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (!run.error_occurred && run.run_type == Run::RT_Iteration)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    // False when a benchmark that ran missed its goal.
    bool PrintGoals(std::initializer_list<Goal> goals) const
    {
        bool met = true;
        for (const Goal& goal : goals) {
            const auto time = times.find(goal.benchmark);
            if (time == times.end())
                continue;
            const bool ok = time->second <= goal.milliseconds;
            met = met && ok;
            std::printf("%-36s %8.2f ms   goal <= %5.0f ms   %s\n", goal.title, time->second, goal.milliseconds,
                        ok ? "met" : "MISSED");
        }
        return met;
    }

    std::map<std::string, double> times;
};
