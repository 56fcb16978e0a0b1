// Turns timing samples into the benchmark's report and its verdict. No Win32 here, so the
// arithmetic stays plain and checkable anywhere.
#pragma once
#include <string>
#include <vector>

namespace halvane::bench {

struct SampleSummary {
    double medianMs = 0;
    double minMs = 0;
};

// Median (mean of the two middle values for an even count) and minimum; zeros when empty.
SampleSummary Summarize(std::vector<double> samplesMs);

// A distribution-free interval for the median: the k-th smallest and k-th largest sample,
// with k as large as keeps the coverage at 95% or more (for fewer than six samples that is
// impossible and the interval is min..max with its smaller coverage).
struct MedianInterval {
    double median = 0;
    double lower = 0;
    double upper = 0;
    double coverage = 0; // 0..1
};

MedianInterval MedianIntervalOf(std::vector<double> samples);

struct CaseResult {
    std::string label;   // e.g. (a) "powercfg -s ..."
    int fewestReads = 0; // reads that returned data, as counted by the bare runs
    int mostReads = 0;
    SampleSummary runner;
    SampleSummary baseline;
    // Runner minus bare run of the same repetition: the two ran back to back, so slow
    // drifts of a busy machine cancel out.
    std::vector<double> pairedDifferencesMs;
};

struct GoalJudgement {
    bool met = false;         // every case's median paired difference is within the allowance
    bool withinNoise = false; // some interval reaches across the allowance, so this run cannot
                              // tell MET from NOT MET
};

GoalJudgement JudgeGoal(const std::vector<CaseResult>& results, double allowanceMs);

std::string FormatReport(const std::vector<CaseResult>& results, int repetitions,
                         double allowanceMs);

} // namespace halvane::bench
