// Benchmarks of the whole program, run under Wine by bench/program.sh:
//   bench_program startup PAIRS TOOL.exe BARE.exe   start to first sight, against the floor
//   bench_program hold|holdbare SECONDS EXE [ARGS]  start the tool (or the floor program)
//                                                   and keep it up while the script measures
//   bench_program modechange PAIRS TOOL.exe         "设置" to the outcome prompt, against the
//                                                   same powercfg commands run bare
//   bench_program leaks ROUNDS TOOL.exe             every dialog opened and closed ROUNDS
//                                                   times, marks for bench/gdi_marks.py
// Paths are Windows paths. Exit code 0 when measured, 3 when the program cannot yet be measured
// this way (the report line says why), 1 on a failure.
#include "bench/BareCommandRun.h"
#include "bench/BenchReport.h"
#include "bench/ChildProgram.h"
#include "bench/ProgramWindows.h"
#include "bench/Stopwatch.h"
#include "engine/PowerModeTable.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

using namespace halvane::bench;

constexpr DWORD kReadyTimeoutMs = 30000;
constexpr int kSetButtonId = 1015;
constexpr int kPromptTextId = 1006;
constexpr int kPromptOkId = 1007;
constexpr int kAgreementTextId = 1009;
constexpr int kAgreementLinkId = 1017;
constexpr DWORD kLeakSettleMs = 2000;

void PrintInterval(const char* label, const std::vector<double>& values, const char* unit) {
    const MedianInterval m = MedianIntervalOf(values);
    std::printf("  %-22s median %8.3f%s  %2.0f%% interval %.3f .. %.3f%s\n", label, m.median,
                unit, m.coverage * 100, m.lower, m.upper, unit);
}

void PrintSummary(const char* label, const std::vector<double>& ms) {
    const SampleSummary s = Summarize(ms);
    std::printf("  %-22s median %8.1f ms  min %8.1f ms\n", label, s.medianMs, s.minMs);
}

void PrintVerdict(const std::vector<double>& values, double goal, const char* what) {
    const MedianInterval m = MedianIntervalOf(values);
    std::printf("Goal: %s: %s", what, m.median <= goal ? "MET" : "NOT MET");
    if (m.lower <= goal && goal < m.upper)
        std::printf(" (within noise: the interval reaches across %.3g)", goal);
    std::printf("\n");
}

// Time from CreateProcess to the observable point; -1 when it never came.
template <class Ready> double TimeStart(const std::wstring& exe, Ready ready) {
    ChildProgram child;
    const Stopwatch watch;
    if (!child.Start(exe))
        return -1;
    const DWORD pid = child.Id();
    if (!WaitFor([&] { return ready(pid); }, kReadyTimeoutMs))
        return -1;
    return watch.ElapsedMs();
}

int Startup(int pairs, const std::wstring& tool, const std::wstring& bare) {
    std::vector<double> toolMs, bareMs, ratios;
    for (int i = -1; i < pairs; ++i) { // pair -1: untimed warm-up
        double t = 0, b = 0;
        if (i % 2 == 0) {
            t = TimeStart(tool, ToolReady);
            b = TimeStart(bare, BareReady);
        } else {
            b = TimeStart(bare, BareReady);
            t = TimeStart(tool, ToolReady);
        }
        if (t < 0 || b < 0) {
            std::printf("start-up: %s never reached its observable point\n",
                        t < 0 ? "Halvane.exe" : "the floor program");
            return t < 0 ? 3 : 1;
        }
        if (i < 0)
            continue;
        toolMs.push_back(t);
        bareMs.push_back(b);
        ratios.push_back(t / b);
    }
    std::printf("Cold start (%d pairs, alternating order, after one warm-up pair)\n", pairs);
    PrintSummary("Halvane.exe", toolMs);
    PrintSummary("floor program", bareMs);
    PrintInterval("ratio per pair", ratios, "");
    PrintVerdict(ratios, 1.3, "start-up at most 1.3 x the floor");
    return 0;
}

// Starts the program, and once it is up prints "ready" and keeps it running for `seconds`:
// bench/program.sh reads the Wine process's CPU time and memory meanwhile (under Wine 8,
// GetProcessTimes, GetProcessMemoryInfo and GetProcessHandleCount of another process give 0).
int Hold(int seconds, const std::wstring& exe, const std::wstring& args, bool tool) {
    ChildProgram child;
    if (!child.Start(exe, args))
        return 1;
    const DWORD pid = child.Id();
    if (!WaitFor([&] { return tool ? ToolReady(pid) : BareReady(pid); }, kReadyTimeoutMs)) {
        std::printf("hold: the program never came up\n");
        return 3;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    ::Sleep(static_cast<DWORD>(seconds) * 1000);
    return 0;
}

// One "设置" click to the outcome prompt, which is then closed; -1 when the prompt never came.
double TimeModeChange(DWORD pid, HWND set, std::wstring* outcome) {
    const Stopwatch watch;
    ::PostMessageW(set, BM_CLICK, 0, 0);
    HWND text = nullptr;
    if (!WaitFor([&] { return (text = FindControl(pid, kPromptTextId)) != nullptr; }, 20000))
        return -1;
    const double ms = watch.ElapsedMs();
    *outcome = TextOf(text);
    const HWND ok = FindControl(pid, kPromptOkId);
    if (ok != nullptr)
        ::PostMessageW(ok, BM_CLICK, 0, 0);
    WaitFor([&] { return FindControl(pid, kPromptTextId) == nullptr; }, 10000);
    return ms;
}

// The balanced mode's commands (the list's initial selection), each run bare as the runner does.
double TimeFloor(const BareCommandRun& bare) {
    const halvane::FixedPlanSteps* steps = halvane::FixedPlanStepsFor(halvane::POWER_MODE_BALANCED);
    const Stopwatch watch;
    bare.Run(std::wstring(halvane::kSetActivePrefix) + steps->planGuid);
    bare.Run(halvane::kListSchemesCommand);
    return watch.ElapsedMs();
}

int ModeChange(int pairs, const std::wstring& tool) {
    ChildProgram child;
    if (!child.Start(tool))
        return 1;
    const DWORD pid = child.Id();
    if (!WaitFor([&] { return ToolReady(pid); }, kReadyTimeoutMs)) {
        std::printf("mode change: Halvane.exe never showed its panel\n");
        return 3;
    }
    const HWND set = FindControl(pid, kSetButtonId);
    if (set == nullptr) {
        std::printf("mode change: not yet measurable: the panel has no \"设置\" button (id %d)\n",
                    kSetButtonId);
        return 3;
    }
    const BareCommandRun bare;
    std::vector<double> toolMs, floorMs, extra;
    std::wstring outcome;
    for (int i = -1; i < pairs; ++i) {
        double t = 0, f = 0;
        if (i % 2 == 0) {
            t = TimeModeChange(pid, set, &outcome);
            f = TimeFloor(bare);
        } else {
            f = TimeFloor(bare);
            t = TimeModeChange(pid, set, &outcome);
        }
        if (t < 0) {
            std::printf("mode change: not yet measurable: no outcome prompt within 20 s of the "
                        "click on \"设置\"\n");
            return 3;
        }
        if (i < 0)
            continue;
        toolMs.push_back(t);
        floorMs.push_back(f);
        extra.push_back(t - f);
    }
    std::printf("Mode change to balanced (%d pairs, alternating, after one warm-up pair); outcome "
                "shown: %s\n", pairs, outcome == L"电源模式修改成功" ? "success" : "failure");
    PrintSummary("click to prompt", toolMs);
    PrintSummary("bare commands", floorMs);
    PrintInterval("difference per pair", extra, " ms");
    PrintVerdict(extra, 30.0, "at most 30 ms above the bare commands");
    return 0;
}

// A left press and release at a screen point, as hardware input (it passes the mouse hook).
void ClickAt(POINT at) {
    ::SetCursorPos(at.x, at.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, input, sizeof(INPUT));
}

POINT CentreOf(HWND hwnd) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Marks on stderr, between the Wine GDI trace lines of the program: bench/gdi_marks.py reads
// the program's live GDI object count at each.
void Mark(DWORD pid, const char* label) {
    std::fprintf(stderr, "halvane-bench-mark %04lx %s\n", pid, label);
    std::fflush(stderr);
}

// Opens and closes every dialog the program offers, `rounds` times each, with Wine's GDI trace
// on for the program only; kinds the program does not offer yet are reported as such.
int Leaks(int rounds, const std::wstring& tool) {
    ChildProgram child;
    ::SetEnvironmentVariableW(L"WINEDEBUG", L"+pid,trace+gdi");
    const bool started = child.Start(tool);
    ::SetEnvironmentVariableW(L"WINEDEBUG", nullptr);
    if (!started)
        return 1;
    const DWORD pid = child.Id();
    if (!WaitFor([&] { return ToolReady(pid); }, kReadyTimeoutMs)) {
        std::printf("leaks: Halvane.exe never showed its panel\n");
        return 3;
    }
    ::Sleep(kLeakSettleMs);
    Mark(pid, "up");
    ::Sleep(kLeakSettleMs); // the same wait with nothing done: what idling alone changes
    Mark(pid, "idle");

    // Progress and outcome prompt: one mode change each round.
    const HWND set = FindControl(pid, kSetButtonId);
    std::wstring outcome;
    if (set != nullptr && TimeModeChange(pid, set, &outcome) >= 0) {
        Mark(pid, "first-change");
        for (int i = 0; i < rounds; ++i)
            TimeModeChange(pid, set, &outcome);
        Mark(pid, "changes");
    } else {
        std::printf("leaks: progress and prompt dialogs not yet measurable (no outcome prompt "
                    "after \"设置\")\n");
    }

    // Agreement pop-up: a press on the link shows it, the next one hides it.
    const HWND link = FindControl(pid, kAgreementLinkId);
    auto agreementShown = [&] { return FindControl(pid, kAgreementTextId) != nullptr; };
    bool toggles = false;
    if (link != nullptr) {
        ClickAt(CentreOf(link));
        toggles = WaitFor(agreementShown, 5000);
    }
    if (toggles) {
        ClickAt(CentreOf(link));
        WaitFor([&] { return !agreementShown(); }, 5000);
        Mark(pid, "first-agreement");
        for (int i = 0; i < rounds; ++i) {
            ClickAt(CentreOf(link));
            WaitFor(agreementShown, 5000);
            ClickAt(CentreOf(link));
            WaitFor([&] { return !agreementShown(); }, 5000);
        }
        Mark(pid, "agreements");
    } else {
        std::printf("leaks: agreement dialog not yet measurable (a press on the link shows no "
                    "window with control %d)\n", kAgreementTextId);
    }
    // The problem feedback question comes once, when the tool closes, and ends it: it cannot
    // be repeated in one process.
    std::printf("leaks: feedback question not repeatable in one process (it ends the tool)\n");
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_program startup|hold|holdbare|modechange|leaks N TOOL.exe [BARE.exe]\n");
        return 2;
    }
    const std::wstring command = argv[1];
    const int n = static_cast<int>(std::wcstol(argv[2], nullptr, 10));
    if (command == L"startup" && argc >= 5)
        return Startup(n, argv[3], argv[4]);
    if (command == L"hold" || command == L"holdbare")
        return Hold(n, argv[3], argc >= 5 ? argv[4] : L"", command == L"hold");
    if (command == L"leaks")
        return Leaks(n, argv[3]);
    if (command == L"modechange")
        return ModeChange(n, argv[3]);
    std::fprintf(stderr, "unknown command\n");
    return 2;
}
