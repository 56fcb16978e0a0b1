// Test support: the powercfg simulator's state file, the tool's log file and a hidden window
// that records the messages it receives.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace halvane::test {

// The built-in plans' GUIDs.
constexpr const char* kSaver = "a1841308-3541-4fab-bc81-f71556f20b4a";
constexpr const char* kBalanced = "381b4222-f694-41f0-9685-ff5bb260df2e";
constexpr const char* kHigh = "8c5e7fda-e8bf-4a96-9a85-a6e23a8c635c";
// A Chinese-profile state with Balanced active and High performance installed.
inline const std::string kPlans = std::string("profile=zh\nactive=") + kBalanced +
                                  "\nplan=" + kBalanced + " 平衡\nplan=" + kHigh + " 高性能\n";

// Gives each test its own simulator state file (through POWERCFG_SIM_STATE, which cmd and
// powercfg inherit) and removes it afterwards.
class SimState {
public:
    explicit SimState(const std::string& utf8Text);
    ~SimState();
    SimState(const SimState&) = delete;
    SimState& operator=(const SimState&) = delete;

    std::string Read() const; // UTF-8, as the simulator wrote it back
    std::string Value(const std::string& key) const;       // first "key=" line's value
    std::vector<std::string> Values(const std::string& key) const;

private:
    std::wstring m_path;
};

// The tool's log file in the common application data folder.
std::wstring LogFilePath();
std::string ReadFileBytes(const std::wstring& path);
void DeleteLogFiles();

// UTF-16 to the GBK bytes expected in the log.
std::string Gbk(const std::wstring& text);

// Running processes whose image is powercfg.exe (the simulator), in the whole prefix; -1 when
// they cannot be listed.
int RunningPowercfgs();

// What RecordingCreateProcess saw: each command line, and a handle of our own to each process
// it started, so a test can tell that the process has ended.
struct StartRecord {
    std::vector<std::wstring> lines;
    std::vector<HANDLE> processes;
    void Clear(); // closes the handles
};
StartRecord& Starts();
// A CommandRunnerHooks::createProcess that records into Starts() and then starts for real.
BOOL WINAPI RecordingCreateProcess(LPCWSTR app, LPWSTR line, LPSECURITY_ATTRIBUTES pa,
                                   LPSECURITY_ATTRIBUTES ta, BOOL inherit, DWORD flags, LPVOID env,
                                   LPCWSTR dir, LPSTARTUPINFOW si, LPPROCESS_INFORMATION pi);
bool HasEnded(HANDLE process);

struct ReceivedMessage {
    UINT message;
    WPARAM wParam;
    bool logHadEntriesBefore; // the log file existed while this message was handled
};

// A hidden top-level window on the calling thread; Pump runs its message loop until
// WM_SET_POWER_RESULT has been handled.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    HWND Handle() const { return m_hwnd; }
    bool PumpUntilResult(DWORD timeoutMs);
    const std::vector<ReceivedMessage>& Messages() const { return m_messages; }

private:
    static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    HWND m_hwnd = nullptr;
    bool m_done = false;
    std::vector<ReceivedMessage> m_messages;
};

} // namespace halvane::test
