// Turns timing samples into the benchmark's report lines and its verdict. No Win32 here, so
// the arithmetic stays plain and checkable anywhere.
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

struct Quartiles {
    double lower = 0;
    double median = 0;
    double upper = 0;
};

// Interpolated between neighbouring sorted samples (position p * (n - 1)); zeros when empty.
Quartiles QuartilesOf(std::vector<double> samples);

struct CaseResult {
    std::string label;   // e.g. (a) "powercfg -s ..."
    int fewestReads = 0; // reads that returned data, as counted by the bare runs
    int mostReads = 0;
    SampleSummary runner;
    SampleSummary baseline;
    // Runner minus bare run of the same repetition: the two ran back to back, so slow
    // drifts of the machine cancel and the spread shows what the timings can resolve.
    std::vector<double> pairedDifferencesMs;
};

// What the runner costs beyond the bare run, judged on the medians.
double MedianDifferenceMs(const CaseResult& result);
double MedianRatio(const CaseResult& result);

// Every case's median difference is within the allowance.
bool GoalMet(const std::vector<CaseResult>& results, double allowanceMs);

// Some case's paired differences spread wider between their quartiles than the allowance,
// so the verdict says less than it seems to.
bool NoiseExceedsAllowance(const std::vector<CaseResult>& results, double allowanceMs);

std::string FormatReport(const std::vector<CaseResult>& results, int repetitions,
                         double allowanceMs);

} // namespace halvane::bench
