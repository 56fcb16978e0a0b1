// Which way a page is opened (here, or by the desktop shell when this process is elevated), that
// it is opened once, and what Wine's desktop shell does along the way.
#include "feedbacklib/DesktopShell.h"
#include "feedbacklib/WebOpener.h"
#include "win/feedback/CaseFolder.h"
#include "win/feedback/UrlHandlerRecorder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using feedbacklib::ShellOpen;
using feedbacklib::WebOpenRoutes;

// Routes whose outcomes a row chooses; every call and its address is counted.
struct FakeRoutes {
    bool elevated = false;
    ShellOpen shell = ShellOpen::NoRoute;
    bool here = true;
    std::vector<std::wstring> shellAddresses;
    std::vector<std::wstring> hereAddresses;

    WebOpenRoutes Routes() {
        return {[this] { return elevated; },
                [this](const std::wstring& address) {
                    shellAddresses.push_back(address);
                    return shell;
                },
                [this](const std::wstring& address) {
                    hereAddresses.push_back(address);
                    return here;
                }};
    }
};

TEST(OpenWebAddress, ElevatedAsksTheDesktopShellAndOpensHereOnlyWhenItCannot) {
    struct Row {
        bool elevated;
        ShellOpen shell;
        bool here;
        std::size_t shellCalls;
        std::size_t hereCalls;
        bool opened;
    };
    const Row rows[] = {
        // Not elevated: opened here, the shell never asked.
        {false, ShellOpen::Opened, true, 0, 1, true},
        {false, ShellOpen::NoRoute, false, 0, 1, false},
        // Elevated: the shell opens it, and then nothing opens here.
        {true, ShellOpen::Opened, true, 1, 0, true},
        {true, ShellOpen::Opened, false, 1, 0, true},
        // No route to the shell, or nothing to gain by it: once here instead.
        {true, ShellOpen::NoRoute, true, 1, 1, true},
        {true, ShellOpen::SameRights, true, 1, 1, true},
        {true, ShellOpen::NoRoute, false, 1, 1, false},
        {true, ShellOpen::SameRights, false, 1, 1, false},
    };
    const std::wstring expected = L"https://example.test/a?q=%E9%9C%81&x=1";
    for (const Row& row : rows) {
        FakeRoutes fake;
        fake.elevated = row.elevated;
        fake.shell = row.shell;
        fake.here = row.here;
        const bool opened =
            feedbacklib::OpenWebAddress("https://example.test/a?q=%E9%9C%81&x=1", fake.Routes());
        const std::string name = "elevated " + std::to_string(row.elevated) + ", shell " +
                                 std::to_string(static_cast<int>(row.shell)) + ", here " +
                                 std::to_string(row.here);
        EXPECT_EQ(opened, row.opened) << name;
        EXPECT_EQ(fake.shellAddresses, std::vector<std::wstring>(row.shellCalls, expected)) << name;
        EXPECT_EQ(fake.hereAddresses, std::vector<std::wstring>(row.hereCalls, expected)) << name;
    }
}

TEST(OpenWebAddress, NothingButAWebAddressTakesEitherRoute) {
    for (const bool elevated : {false, true}) {
        FakeRoutes fake;
        fake.elevated = elevated;
        fake.shell = ShellOpen::Opened;
        for (const char* refused :
             {"file:///C:/windows/system32/cmd.exe", "C:\\windows\\notepad.exe", "cmd.exe", "",
              "http://example.test/\" C:\\x.exe"})
            EXPECT_FALSE(feedbacklib::OpenWebAddress(refused, fake.Routes())) << refused;
        EXPECT_TRUE(fake.shellAddresses.empty());
        EXPECT_TRUE(fake.hereAddresses.empty());
    }
}

// Keeps COM on the test's thread, as the library's callers have it.
class ComApartment : public ::testing::Test {
protected:
    void SetUp() override {
        m_com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    }
    void TearDown() override {
        if (SUCCEEDED(m_com))
            ::CoUninitialize();
    }

private:
    HRESULT m_com = E_FAIL;
};

// An address scheme of this process's own whose handler, a command line, writes the address it
// was given into a file: it records what any process (the shell's too) opens, whatever that
// process's environment holds.
class SchemeRecorder {
public:
    explicit SchemeRecorder(const testing_win::CaseFolder& folder)
        : m_scheme(L"halvane-opener-" + std::to_wstring(::GetCurrentProcessId())),
          m_log(folder.File(L"scheme.txt")), m_key(L"Software\\Classes\\" + m_scheme) {
        const std::wstring command =
            L"\"C:\\windows\\system32\\cmd.exe\" /D /C echo %1>\"" + m_log + L"\"";
        m_ready = Set(m_key, L"URL Protocol", L"") &&
                  Set(m_key + L"\\shell\\open\\command", nullptr, command);
    }
    SchemeRecorder(const SchemeRecorder&) = delete;
    SchemeRecorder& operator=(const SchemeRecorder&) = delete;
    ~SchemeRecorder() { ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, m_key.c_str()); }

    bool Ready() const { return m_ready; }
    std::wstring Address(const std::wstring& rest) const { return m_scheme + L":" + rest; }
    // The line the handler wrote, once it is there whole (or what there is after the wait).
    std::string WaitForLine() const {
        const ULONGLONG deadline = ::GetTickCount64() + 60000;
        std::string text = testing_win::ReadWholeFile(m_log);
        while ((text.empty() || text.back() != '\n') && ::GetTickCount64() < deadline) {
            ::Sleep(100);
            text = testing_win::ReadWholeFile(m_log);
        }
        const std::vector<std::string> lines = testing_win::Lines(text);
        return lines.empty() ? std::string() : lines.front();
    }

private:
    static bool Set(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
        const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
        return ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, REG_SZ, value.c_str(),
                                 bytes) == ERROR_SUCCESS;
    }

    std::wstring m_scheme;
    std::wstring m_log;
    std::wstring m_key;
    bool m_ready = false;
};

using DesktopShellUnderWine = ComApartment;

// Wine 8's explorer answers the whole way to the shell's ShellExecute, and runs elevated as
// every Wine process does.
TEST_F(DesktopShellUnderWine, AnswersForTheDesktopAndOpensWhatItIsGiven) {
    const feedbacklib::DesktopShell shell = feedbacklib::DesktopShell::Find();
    ASSERT_TRUE(shell);
    EXPECT_TRUE(shell.RunsElevated());
    EXPECT_TRUE(feedbacklib::ProcessRunsElevated(::GetCurrentProcess()));

    const testing_win::CaseFolder folder(L"desktop-shell");
    const SchemeRecorder recorder(folder);
    ASSERT_TRUE(recorder.Ready());
    EXPECT_TRUE(shell.Open(recorder.Address(L"page/1")));
    EXPECT_EQ(recorder.WaitForLine(), testing_win::Narrow(recorder.Address(L"page/1")));
}

using SystemRoutes = ComApartment;

// Under Wine the shell is as elevated as this process, so the page opens here, exactly once:
// the recorder writes only when started with this process's environment.
TEST_F(SystemRoutes, OpenThePageOnceWithWhatWineOffers) {
    const testing_win::CaseFolder folder(L"system-routes");
    testing_win::UrlHandlerRecorder recorder(folder.Path());
    ASSERT_TRUE(recorder.Ready());
    EXPECT_TRUE(feedbacklib::OpenWebAddress("https://example.test/once"));
    const std::vector<std::string> once{"https://example.test/once"};
    EXPECT_EQ(recorder.WaitForOpened(1), once);
    // A second start of the handler would show within this wait.
    EXPECT_EQ(recorder.WaitForOpened(1, 3000), once);
}

} // namespace
