#include "bench/BenchReport.h"

#include <algorithm>
#include <cstdio>

namespace halvane::bench {

namespace {

std::string Format(const char* format, double a, double b) {
    char line[160];
    std::snprintf(line, sizeof line, format, a, b);
    return line;
}

} // namespace

SampleSummary Summarize(std::vector<double> samplesMs) {
    SampleSummary summary;
    if (samplesMs.empty())
        return summary;
    std::sort(samplesMs.begin(), samplesMs.end());
    const std::size_t n = samplesMs.size();
    summary.minMs = samplesMs.front();
    summary.medianMs =
        n % 2 == 1 ? samplesMs[n / 2] : (samplesMs[n / 2 - 1] + samplesMs[n / 2]) / 2.0;
    return summary;
}

Quartiles QuartilesOf(std::vector<double> samples) {
    Quartiles q;
    if (samples.empty())
        return q;
    std::sort(samples.begin(), samples.end());
    const auto at = [&samples](double p) {
        const double position = p * static_cast<double>(samples.size() - 1);
        const std::size_t below = static_cast<std::size_t>(position);
        const std::size_t above = std::min(below + 1, samples.size() - 1);
        const double fraction = position - static_cast<double>(below);
        return samples[below] + (samples[above] - samples[below]) * fraction;
    };
    q.lower = at(0.25);
    q.median = at(0.5);
    q.upper = at(0.75);
    return q;
}

double MedianDifferenceMs(const CaseResult& result) {
    return result.runner.medianMs - result.baseline.medianMs;
}

double MedianRatio(const CaseResult& result) {
    return result.baseline.medianMs > 0 ? result.runner.medianMs / result.baseline.medianMs : 0;
}

bool GoalMet(const std::vector<CaseResult>& results, double allowanceMs) {
    return !results.empty() &&
           std::all_of(results.begin(), results.end(), [allowanceMs](const CaseResult& r) {
               return MedianDifferenceMs(r) <= allowanceMs;
           });
}

bool NoiseExceedsAllowance(const std::vector<CaseResult>& results, double allowanceMs) {
    return std::any_of(results.begin(), results.end(), [allowanceMs](const CaseResult& r) {
        const Quartiles q = QuartilesOf(r.pairedDifferencesMs);
        return q.upper - q.lower > allowanceMs;
    });
}

std::string FormatReport(const std::vector<CaseResult>& results, int repetitions,
                         double allowanceMs) {
    std::string out =
        "Command runner benchmark: ExecuteCmd against a bare CreateProcessW + pipe run\n";
    out += "(same cmd.exe, folder and command line, same 500 ms pause per read with data),\n";
    out +=
        std::to_string(repetitions) +
        " timed runs of each, interleaved, after one untimed warm-up; QueryPerformanceCounter.\n";
    for (const CaseResult& r : results) {
        out += "\n" + r.label + "\n";
        out += "  reads with data per run: " + std::to_string(r.fewestReads);
        if (r.mostReads != r.fewestReads)
            out += " to " + std::to_string(r.mostReads);
        out += "\n";
        out += Format("  ExecuteCmd   median %8.1f ms   min %8.1f ms\n", r.runner.medianMs,
                      r.runner.minMs);
        out += Format("  bare run     median %8.1f ms   min %8.1f ms\n", r.baseline.medianMs,
                      r.baseline.minMs);
        out += Format("  difference   median %+8.1f ms   min %+8.1f ms\n", MedianDifferenceMs(r),
                      r.runner.minMs - r.baseline.minMs);
        out += Format("  ratio        median %8.3f      min %8.3f\n", MedianRatio(r),
                      r.baseline.minMs > 0 ? r.runner.minMs / r.baseline.minMs : 0);
        const Quartiles paired = QuartilesOf(r.pairedDifferencesMs);
        char line[160];
        std::snprintf(line, sizeof line,
                      "  paired runs  median %+8.1f ms   quartiles %+.1f .. %+.1f ms\n",
                      paired.median, paired.lower, paired.upper);
        out += line;
    }
    char goal[200];
    std::snprintf(goal, sizeof goal,
                  "\nGoal: the runner adds no more than %.0f ms beyond the interpreter's own run "
                  "and the fixed 500 ms pauses (median difference of every case): %s\n",
                  allowanceMs, GoalMet(results, allowanceMs) ? "MET" : "NOT MET");
    out += goal;
    if (NoiseExceedsAllowance(results, allowanceMs))
        out += "Note: paired differences spread wider than the allowance between their quartiles:\n"
               "on this machine the run-to-run noise of starting cmd is larger than the effect\n"
               "being judged, so the verdict above is within noise. Repeat with more runs on an\n"
               "idle machine (bench/run.sh 25) before trusting it.\n";
    return out;
}

} // namespace halvane::bench
