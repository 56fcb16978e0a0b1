// Benchmarks of the whole program, run under Wine by bench/program.sh:
//   bench_program startup PAIRS TOOL.exe BARE.exe   start to first sight, against the floor
//   bench_program versus PAIRS BEFORE.exe AFTER.exe   two builds of the tool, start to first
//                                                   sight, in alternating pairs
//   bench_program hold|holdbare SECONDS EXE [ARGS]  start the tool (or the floor program)
//                                                   and keep it up while the script measures
//   bench_program modechange PAIRS TOOL.exe         "设置" to the outcome prompt, against the
//                                                   same powercfg commands run bare
//   bench_program leaks ROUNDS TOOL.exe             every dialog of the tool opened and closed
//                                                   ROUNDS times, marks for bench/gdi_marks.py
//   bench_program feedback ROUNDS DEMO.exe          the feedback question shown and closed
//                                                   ROUNDS times by the dialogs demo program
//   bench_program handlecheck 0 PROGRAM.exe         shows that the handle count follows handles
//                                                   opened and closed in another process
// Paths are Windows paths. Exit code 0 when measured, 3 when the program cannot yet be measured
// this way (the report line says why), 1 on a failure.
#include "bench/BareCommandRun.h"
#include "bench/BenchReport.h"
#include "bench/ChildProgram.h"
#include "bench/HandleCount.h"
#include "bench/ProgramWindows.h"
#include "bench/Stopwatch.h"
#include "engine/PowerModeTable.h"
#include "framework/KernelHandles.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace halvane::bench;
namespace fw = halvane::fw;

constexpr DWORD kReadyTimeoutMs = 30000;
constexpr int kSetButtonId = 1015;
constexpr int kPleaseWaitTextId = 1000;
constexpr int kPromptTextId = 1006;
constexpr int kPromptOkId = 1007;
constexpr int kAgreementTextId = 1009;
constexpr int kAgreementLinkId = 1017;
constexpr int kFeedbackCloseId = 1002;
constexpr UINT kShowAgainMessage = WM_APP + 2; // the dialogs demo program's "next round"
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

// Start-up times of two programs in alternating pairs after one untimed warm-up pair, and the
// ratio second / first per pair.
struct PairTimes {
    std::vector<double> first, second, ratios;
    bool firstFailed = false; // the program that never reached its observable point
    bool secondFailed = false;
};

template <class Ready1, class Ready2>
PairTimes TimePairs(int pairs, const std::wstring& first, Ready1 ready1, const std::wstring& second,
                    Ready2 ready2) {
    PairTimes times;
    for (int i = -1; i < pairs; ++i) {
        double a = 0, b = 0;
        if (i % 2 == 0) {
            a = TimeStart(first, ready1);
            b = TimeStart(second, ready2);
        } else {
            b = TimeStart(second, ready2);
            a = TimeStart(first, ready1);
        }
        times.firstFailed = a < 0;
        times.secondFailed = b < 0;
        if (a < 0 || b < 0)
            return times;
        if (i < 0)
            continue;
        times.first.push_back(a);
        times.second.push_back(b);
        times.ratios.push_back(b / a);
    }
    return times;
}

int Startup(int pairs, const std::wstring& tool, const std::wstring& bare) {
    const PairTimes t = TimePairs(pairs, bare, BareReady, tool, ToolReady);
    if (t.firstFailed || t.secondFailed) {
        std::printf("start-up: %s never reached its observable point\n",
                    t.secondFailed ? "Halvane.exe" : "the floor program");
        return t.secondFailed ? 3 : 1;
    }
    std::printf("Cold start (%d pairs, alternating order, after one warm-up pair)\n", pairs);
    PrintSummary("Halvane.exe", t.second);
    PrintSummary("floor program", t.first);
    PrintInterval("ratio per pair", t.ratios, "");
    PrintVerdict(t.ratios, 1.3, "start-up at most 1.3 x the floor");
    return 0;
}

// Two builds of the tool started in alternating pairs, both timed to the tool's first full
// sight: what one change to the program gained, within one run.
int Versus(int pairs, const std::wstring& before, const std::wstring& after) {
    const PairTimes t = TimePairs(pairs, before, ToolReady, after, ToolReady);
    if (t.firstFailed || t.secondFailed) {
        std::printf("versus: a build never reached its observable point\n");
        return 1;
    }
    std::printf("Cold start, before against after (%d pairs, alternating order)\n", pairs);
    PrintSummary("before", t.first);
    PrintSummary("after", t.second);
    PrintInterval("after / before", t.ratios, "");
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

// What one poll of the driver sees of a mode change. The tool and the floor are timed under
// the same poll, so its cost on this machine falls on both alike.
struct ChangeSight {
    bool pleaseWait = false;
    bool prompt = false;
};

ChangeSight Look(DWORD pid) {
    return {FindControl(pid, kPleaseWaitTextId) != nullptr,
            FindControl(pid, kPromptTextId) != nullptr};
}

// Times of one mode change after the click, in ms; -1 for a point that was not seen.
struct ChangeTimes {
    double waitShown = -1;
    double waitGone = -1;
    double prompt = -1;
};

// One "设置" click to the outcome prompt, which is then closed; prompt -1 when it never came.
ChangeTimes TimeModeChange(DWORD pid, HWND set, std::wstring* outcome) {
    ChangeTimes times;
    const Stopwatch watch;
    ::PostMessageW(set, BM_CLICK, 0, 0);
    const bool shown = WaitFor(
        [&] {
            const ChangeSight sight = Look(pid);
            const double now = watch.ElapsedMs();
            if (sight.pleaseWait && times.waitShown < 0)
                times.waitShown = now;
            if (!sight.pleaseWait && times.waitShown >= 0 && times.waitGone < 0)
                times.waitGone = now;
            if (sight.prompt)
                times.prompt = now;
            return sight.prompt;
        },
        20000);
    if (!shown)
        return times;
    *outcome = TextOf(FindControl(pid, kPromptTextId));
    const HWND ok = FindControl(pid, kPromptOkId);
    if (ok != nullptr)
        ::PostMessageW(ok, BM_CLICK, 0, 0);
    WaitFor([&] { return FindControl(pid, kPromptTextId) == nullptr; }, 10000);
    return times;
}

// The balanced mode's commands (the list's initial selection), each run bare as the runner
// does, on a thread of their own while this one polls the tool's windows as TimeModeChange
// does; the floor ends when the poll sees the commands done, as the tool's change ends when
// the poll sees its prompt.
double TimeFloor(const BareCommandRun& bare, DWORD pid) {
    const halvane::FixedPlanSteps* steps = halvane::FixedPlanStepsFor(halvane::POWER_MODE_BALANCED);
    std::atomic<bool> done{false};
    const Stopwatch watch;
    std::thread commands([&] {
        bare.Run(std::wstring(halvane::kSetActivePrefix) + steps->planGuid);
        bare.Run(halvane::kListSchemesCommand);
        done = true;
    });
    WaitFor(
        [&] {
            Look(pid);
            return done.load();
        },
        60000);
    const double ms = watch.ElapsedMs();
    commands.join();
    return ms;
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
    std::vector<double> toolMs, floorMs, extra, toWait, waitUp, afterWait;
    int waitMissed = 0;
    std::wstring outcome;
    for (int i = -1; i < pairs; ++i) {
        ChangeTimes t;
        double f = 0;
        if (i % 2 == 0) {
            t = TimeModeChange(pid, set, &outcome);
            f = TimeFloor(bare, pid);
        } else {
            f = TimeFloor(bare, pid);
            t = TimeModeChange(pid, set, &outcome);
        }
        if (t.prompt < 0) {
            std::printf("mode change: not yet measurable: no outcome prompt within 20 s of the "
                        "click on \"设置\"\n");
            return 3;
        }
        if (i < 0)
            continue;
        toolMs.push_back(t.prompt);
        floorMs.push_back(f);
        extra.push_back(t.prompt - f);
        if (t.waitShown >= 0 && t.waitGone >= 0) {
            toWait.push_back(t.waitShown);
            waitUp.push_back(t.waitGone - t.waitShown);
            afterWait.push_back(t.prompt - t.waitGone);
        } else {
            ++waitMissed;
        }
    }
    std::printf("Mode change to balanced (%d pairs, alternating, after one warm-up pair); outcome "
                "shown: %s\n", pairs, outcome == L"电源模式修改成功" ? "success" : "failure");
    PrintSummary("click to prompt", toolMs);
    PrintSummary("bare commands", floorMs);
    PrintInterval("difference per pair", extra, " ms");
    std::printf("  parts of the change (the same 1 ms poll on both sides of the pair):\n");
    PrintSummary("click to please-wait", toWait);
    PrintSummary("please-wait shown", waitUp);
    PrintSummary("please-wait to prompt", afterWait);
    if (waitMissed > 0)
        std::printf("  (%d changes whose please-wait dialog the poll did not see come and go are "
                    "left out of the parts)\n", waitMissed);
    PrintVerdict(extra, 30.0, "at most 30 ms above the bare commands");
    return 0;
}

POINT CentreOf(HWND hwnd) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A press and release on the link, delivered to the panel as the press it handles: the
// cursor is placed on the link first, and the button messages carry the same point. Posted,
// they are never made into a double click, as two presses through SendInput within 500 ms
// are (see bench/README.md).
void PressLink(HWND link) {
    const HWND panel = ::GetParent(link);
    const POINT screen = CentreOf(link);
    ::SetCursorPos(screen.x, screen.y);
    POINT client = screen;
    ::ScreenToClient(panel, &client);
    const LPARAM at = MAKELPARAM(client.x, client.y);
    ::PostMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(panel, WM_LBUTTONUP, 0, at);
}

// Marks on stderr, between the Wine GDI trace lines of the program: bench/gdi_marks.py reads
// the program's live GDI object count at each, and prints the handle count taken here.
void Mark(DWORD pid, const std::string& label) {
    std::fprintf(stderr, "halvane-bench-mark %04lx %s %ld\n", pid, label.c_str(),
                 HandleCountOf(pid));
    std::fflush(stderr);
}

// `rounds` rounds of one dialog, with marks after the first, the middle and the last one
// (labels KIND-1, KIND-<half>, KIND-<rounds>): what the first round fills once shows
// between the first two, growth between the last two. False when a round did not complete.
template <class Round> bool RunRounds(DWORD pid, const char* kind, int rounds, Round round) {
    for (int i = 1; i <= rounds; ++i) {
        if (!round()) {
            std::printf("leaks: round %d of the %s did not complete\n", i, kind);
            return false;
        }
        if (i == 1 || i == rounds / 2 || i == rounds) {
            ::Sleep(kLeakSettleMs); // the last round's windows are torn down after they hide
            Mark(pid, std::string(kind) + "-" + std::to_string(i));
        }
    }
    return true;
}

// A program started with Wine's GDI trace on (that process only).
bool StartTraced(ChildProgram& child, const std::wstring& exe, const std::wstring& args = {}) {
    ::SetEnvironmentVariableW(L"WINEDEBUG", L"+pid,trace+gdi");
    const bool started = child.Start(exe, args);
    ::SetEnvironmentVariableW(L"WINEDEBUG", nullptr);
    return started;
}

// Opens and closes every dialog the tool lets a user repeat, `rounds` times each, with Wine's
// GDI trace on for the tool only.
int Leaks(int rounds, const std::wstring& tool) {
    ChildProgram child;
    if (!StartTraced(child, tool))
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
    if (set == nullptr ||
        !RunRounds(pid, "changes", rounds,
                   [&] { return TimeModeChange(pid, set, &outcome).prompt >= 0; }))
        std::printf("leaks: progress and prompt dialogs not measured (no outcome prompt after "
                    "\"设置\")\n");

    // Agreement pop-up: a press on the link shows it, the next one hides it.
    const HWND link = FindControl(pid, kAgreementLinkId);
    auto agreementShown = [&] { return FindControl(pid, kAgreementTextId) != nullptr; };
    const bool agreements =
        link != nullptr && RunRounds(pid, "agreements", rounds, [&] {
            PressLink(link);
            if (!WaitFor(agreementShown, 5000))
                return false;
            PressLink(link);
            return WaitFor([&] { return !agreementShown(); }, 5000);
        });
    if (!agreements)
        std::printf("leaks: agreement pop-up not measured (a press on the link shows no "
                    "window with control %d)\n", kAgreementTextId);
    return 0;
}

// The feedback question comes once, when the tool closes, and ends it; the dialogs demo
// program shows the same dialog once for each request, in one process.
int Feedback(int rounds, const std::wstring& demo) {
    ChildProgram child;
    if (!StartTraced(child, demo, L"feedback 1.0 " + std::to_wstring(rounds)))
        return 1;
    const DWORD pid = child.Id();
    HWND owner = nullptr;
    if (!WaitFor(
            [&] {
                for (HWND top : TopLevelWindows(pid))
                    if (::IsWindowVisible(top) && IsPainted(top))
                        owner = top;
                return owner != nullptr;
            },
            kReadyTimeoutMs)) {
        std::printf("leaks: the dialogs demo program never showed its window\n");
        return 3;
    }
    ::Sleep(kLeakSettleMs);
    Mark(pid, "demo-up");
    const bool measured = RunRounds(pid, "feedback", rounds, [&] {
        ::PostMessageW(owner, kShowAgainMessage, 0, 0);
        HWND close = nullptr;
        if (!WaitFor([&] { return (close = FindControl(pid, kFeedbackCloseId)) != nullptr; },
                     10000))
            return false;
        ::PostMessageW(close, BM_CLICK, 0, 0);
        return WaitFor([&] { return FindControl(pid, kFeedbackCloseId) == nullptr; }, 10000);
    });
    if (!measured)
        std::printf("leaks: feedback question not measured (the demo program showed no "
                    "dialog with control %d)\n", kFeedbackCloseId);
    ::PostMessageW(owner, WM_CLOSE, 0, 0);
    return measured ? 0 : 3;
}

// The handle count of another process must follow what that process holds: 50 handles are
// duplicated into a started program and closed again, and the counts before, between and
// after are printed.
int HandleCheck(const std::wstring& program) {
    ChildProgram child;
    if (!child.Start(program))
        return 1;
    const DWORD pid = child.Id();
    ::Sleep(kLeakSettleMs);
    constexpr int kExtra = 50;
    const long before = HandleCountOf(pid);
    const fw::KernelHandle event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!event)
        return 1;
    // Values in the other process's table: they can only be closed there.
    std::vector<HANDLE> theirs;
    for (int i = 0; i < kExtra; ++i) {
        HANDLE copy = nullptr;
        if (::DuplicateHandle(::GetCurrentProcess(), event.Get(), child.Process(), &copy, 0,
                              FALSE, DUPLICATE_SAME_ACCESS))
            theirs.push_back(copy);
    }
    const long with = HandleCountOf(pid);
    for (HANDLE copy : theirs) {
        HANDLE back = nullptr; // the copy is closed there as it comes back here
        ::DuplicateHandle(child.Process(), copy, ::GetCurrentProcess(), &back, 0, FALSE,
                          DUPLICATE_CLOSE_SOURCE | DUPLICATE_SAME_ACCESS);
        const fw::KernelHandle returned(back); // null when it failed
    }
    const long after = HandleCountOf(pid);
    std::printf("  handle count check on a started program: %ld, with %zu handles added %ld, "
                "with them closed again %ld: %s\n", before, theirs.size(), with, after,
                with - before == static_cast<long>(theirs.size()) && after == before
                    ? "follows exactly"
                    : "DOES NOT FOLLOW");
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_program startup|versus|hold|holdbare|modechange|leaks|feedback|handlecheck N TOOL.exe [BARE.exe]\n");
        return 2;
    }
    const std::wstring command = argv[1];
    const int n = static_cast<int>(std::wcstol(argv[2], nullptr, 10));
    if (command == L"startup" && argc >= 5)
        return Startup(n, argv[3], argv[4]);
    if (command == L"versus" && argc >= 5)
        return Versus(n, argv[3], argv[4]);
    if (command == L"hold" || command == L"holdbare")
        return Hold(n, argv[3], argc >= 5 ? argv[4] : L"", command == L"hold");
    if (command == L"leaks")
        return Leaks(n, argv[3]);
    if (command == L"modechange")
        return ModeChange(n, argv[3]);
    if (command == L"feedback")
        return Feedback(n, argv[3]);
    if (command == L"handlecheck")
        return HandleCheck(argv[3]);
    std::fprintf(stderr, "unknown command\n");
    return 2;
}
