#include "bench/BenchReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace halvane::bench {

namespace {

std::string Line(const char* format, double a, double b) {
    char line[160];
    std::snprintf(line, sizeof line, format, a, b);
    return line;
}

double Median(const std::vector<double>& sorted) {
    const std::size_t n = sorted.size();
    return n % 2 == 1 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2.0;
}

// Probability that the interval from the k-th smallest to the k-th largest of n samples
// holds the true median: 1 - 2 P(Binomial(n, 1/2) < k).
double Coverage(std::size_t n, std::size_t k) {
    double term = std::ldexp(1.0, -static_cast<int>(n)); // P(X = 0)
    double below = 0;
    for (std::size_t i = 0; i < k; ++i) {
        below += term;
        term = term * static_cast<double>(n - i) / static_cast<double>(i + 1);
    }
    return 1.0 - 2.0 * below;
}

} // namespace

SampleSummary Summarize(std::vector<double> samplesMs) {
    SampleSummary summary;
    if (samplesMs.empty())
        return summary;
    std::sort(samplesMs.begin(), samplesMs.end());
    summary.minMs = samplesMs.front();
    summary.medianMs = Median(samplesMs);
    return summary;
}

MedianInterval MedianIntervalOf(std::vector<double> samples) {
    MedianInterval interval;
    if (samples.empty())
        return interval;
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    std::size_t k = 1;
    while (2 * (k + 1) <= n && Coverage(n, k + 1) >= 0.95)
        ++k;
    interval.median = Median(samples);
    interval.lower = samples[k - 1];
    interval.upper = samples[n - k];
    interval.coverage = Coverage(n, k);
    return interval;
}

GoalJudgement JudgeGoal(const std::vector<CaseResult>& results, double allowanceMs) {
    GoalJudgement judgement;
    if (results.empty())
        return judgement;
    bool allBelow = true;   // every interval lies within the allowance
    bool someAbove = false; // some interval lies wholly beyond it
    judgement.met = true;
    for (const CaseResult& r : results) {
        const MedianInterval paired = MedianIntervalOf(r.pairedDifferencesMs);
        judgement.met = judgement.met && paired.median <= allowanceMs;
        allBelow = allBelow && paired.upper <= allowanceMs;
        someAbove = someAbove || paired.lower > allowanceMs;
    }
    judgement.withinNoise = judgement.met ? !allBelow : !someAbove;
    return judgement;
}

std::string FormatReport(const std::vector<CaseResult>& results, int repetitions,
                         double allowanceMs) {
    std::string out =
        "Command runner benchmark: ExecuteCmd against a bare CreateProcessW + pipe run\n"
        "(same cmd.exe, folder and command line, same 500 ms pause per read with data),\n";
    out += std::to_string(repetitions) +
           " timed pairs, run back to back in alternating order after one untimed warm-up pair;\n"
           "times from QueryPerformanceCounter.\n";
    for (const CaseResult& r : results) {
        out += "\n" + r.label + "\n";
        out += "  reads with data per run: " + std::to_string(r.fewestReads);
        if (r.mostReads != r.fewestReads)
            out += " to " + std::to_string(r.mostReads);
        out += "\n";
        out += Line("  ExecuteCmd   median %8.1f ms   min %8.1f ms\n", r.runner.medianMs,
                    r.runner.minMs);
        out += Line("  bare run     median %8.1f ms   min %8.1f ms\n", r.baseline.medianMs,
                    r.baseline.minMs);
        out += Line("  difference   median %+8.1f ms   min %+8.1f ms\n",
                    r.runner.medianMs - r.baseline.medianMs, r.runner.minMs - r.baseline.minMs);
        out += Line("  ratio        median %8.3f      min %8.3f\n",
                    r.baseline.medianMs > 0 ? r.runner.medianMs / r.baseline.medianMs : 0,
                    r.baseline.minMs > 0 ? r.runner.minMs / r.baseline.minMs : 0);
        const MedianInterval paired = MedianIntervalOf(r.pairedDifferencesMs);
        char line[160];
        std::snprintf(line, sizeof line,
                      "  per pair     median %+8.1f ms   %.0f%% interval %+.1f .. %+.1f ms\n",
                      paired.median, paired.coverage * 100.0, paired.lower, paired.upper);
        out += line;
    }
    const GoalJudgement goal = JudgeGoal(results, allowanceMs);
    char verdict[220];
    std::snprintf(verdict, sizeof verdict,
                  "\nGoal: the runner adds no more than %.0f ms beyond the interpreter's own run "
                  "and the fixed\n500 ms pauses (median per-pair difference of every case): %s\n",
                  allowanceMs, goal.met ? "MET" : "NOT MET");
    out += verdict;
    if (goal.withinNoise)
        out += "Within noise: an interval above reaches across the allowance, so this run cannot\n"
               "tell MET from NOT MET. The bare runs spread as widely: it is the time of starting\n"
               "cmd and powercfg under Wine. More pairs or a quieter machine narrow the intervals.\n";
    return out;
}

} // namespace halvane::bench
