// Times the command runner against the bare interpreter run it wraps, on the powercfg
// simulator, and prints the report. Usage: bench_command_runner [PAIRS]
#include "bench/BareCommandRun.h"
#include "bench/BenchReport.h"
#include "bench/OutputCheck.h"
#include "bench/SimStateFile.h"
#include "bench/Stopwatch.h"
#include "framework/CodePageText.h"
#include "engine/CommandRunner.h"

#include <windows.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using halvane::bench::BareCommandRun;
using halvane::bench::BareRunResult;
using halvane::bench::CaseResult;
using halvane::bench::OutputCheck;
using halvane::bench::SimStateFile;
using halvane::bench::Stopwatch;

constexpr double kAllowanceMs = 5.0;
constexpr int kDefaultRepetitions = 5;
constexpr const wchar_t* kBalancedGuid = L"381b4222-f694-41f0-9685-ff5bb260df2e";

struct BenchCase {
    const char* label;
    std::wstring command;
    bool silent; // prints nothing when it works
};

bool TimeRunner(const BenchCase& c, OutputCheck* check, double* ms) {
    std::wstring text;
    const Stopwatch watch;
    const BOOL ok = halvane::ExecuteCmd(c.command, &text);
    *ms = watch.ElapsedMs();
    if (!ok) {
        std::fprintf(stderr, "ExecuteCmd could not start \"%s\"\n",
                     halvane::fw::CodePageFromWide(CP_UTF8, c.command).c_str());
        return false;
    }
    return check->Accept(text, "ExecuteCmd");
}

bool TimeBare(const BenchCase& c, const BareCommandRun& bare, OutputCheck* check, double* ms,
              int* reads) {
    const Stopwatch watch;
    const BareRunResult run = bare.Run(c.command);
    *ms = watch.ElapsedMs();
    *reads = run.readsWithData;
    if (!run.started) {
        std::fprintf(stderr, "bare run could not start \"%s\" (error %lu)\n",
                     halvane::fw::CodePageFromWide(CP_UTF8, c.command).c_str(), run.error);
        return false;
    }
    return check->Accept(halvane::fw::WideFromCodePage(CP_ACP, run.bytes), "bare run");
}

// One untimed warm-up pair, then the timed pairs. The order inside a pair alternates so
// that neither kind always runs right after the other.
bool Measure(const BenchCase& c, const BareCommandRun& bare, int repetitions, CaseResult* result,
             int* commandRuns) {
    OutputCheck check(c.command, c.silent, kBalancedGuid);
    std::vector<double> runnerMs;
    std::vector<double> bareMs;
    result->label = c.label;
    result->fewestReads = INT_MAX;
    result->mostReads = 0;
    for (int i = -1; i < repetitions; ++i) {
        const bool runnerFirst = i % 2 == 0;
        for (int turn = 0; turn < 2; ++turn) {
            double ms = 0;
            ++*commandRuns;
            if ((turn == 0) == runnerFirst) {
                if (!TimeRunner(c, &check, &ms))
                    return false;
                if (i >= 0)
                    runnerMs.push_back(ms);
            } else {
                int reads = 0;
                if (!TimeBare(c, bare, &check, &ms, &reads))
                    return false;
                if (i >= 0)
                    bareMs.push_back(ms);
                result->fewestReads = reads < result->fewestReads ? reads : result->fewestReads;
                result->mostReads = reads > result->mostReads ? reads : result->mostReads;
            }
        }
    }
    for (std::size_t k = 0; k < runnerMs.size() && k < bareMs.size(); ++k)
        result->pairedDifferencesMs.push_back(runnerMs[k] - bareMs[k]);
    result->runner = halvane::bench::Summarize(runnerMs);
    result->baseline = halvane::bench::Summarize(bareMs);
    return true;
}

// The simulator counts its runs: fewer than we started means something else answered.
bool SimulatorRanEveryTime(const SimStateFile& state, int expected) {
    const std::string text = state.Read();
    const std::string::size_type at = text.find("calls=");
    const int calls = at == std::string::npos ? -1 : std::atoi(text.c_str() + at + 6);
    if (calls == expected)
        return true;
    std::fprintf(stderr, "the simulator counted %d runs, the benchmark started %d\n", calls,
                 expected);
    return false;
}

} // namespace

int main(int argc, char** argv) {
    int repetitions = kDefaultRepetitions;
    if (argc > 1) {
        repetitions = std::atoi(argv[1]);
        if (repetitions < 1 || repetitions > 1000) {
            std::fprintf(stderr, "usage: bench_command_runner [PAIRS 1..1000]\n");
            return 2;
        }
    }

    const SimStateFile state("profile=zh\n");
    const BareCommandRun bare;
    if (!state.Ready() || !bare.Ready()) {
        std::fprintf(stderr, "cannot prepare the simulator state file or find the system folder\n");
        return 2;
    }

    const std::vector<BenchCase> cases = {
        {"(a) \"powercfg -s 381b4222-f694-41f0-9685-ff5bb260df2e\" (prints nothing)",
         std::wstring(L"powercfg -s ") + kBalancedGuid, true},
        {"(b) \"powercfg /l \" (prints the plan list)", L"powercfg /l ", false},
    };
    std::vector<CaseResult> results(cases.size());
    int commandRuns = 0;
    for (std::size_t i = 0; i < cases.size(); ++i)
        if (!Measure(cases[i], bare, repetitions, &results[i], &commandRuns))
            return 1;
    if (!SimulatorRanEveryTime(state, commandRuns))
        return 1;

    std::fputs(halvane::bench::FormatReport(results, repetitions, kAllowanceMs).c_str(), stdout);
    return 0;
}
