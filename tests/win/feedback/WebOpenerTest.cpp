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
using Addresses = std::vector<std::wstring>;

TEST(OpenWebAddress, ElevatedAsksTheDesktopShellAndOpensHereOnlyWhenItCannot) {
    const char* const page = "https://example.test/a?q=%E9%9C%81&x=1";
    const wchar_t* const wide = L"https://example.test/a?q=%E9%9C%81&x=1";
    struct Row {
        const char* address;
        bool elevated;
        ShellOpen shell;
        bool here;
        std::size_t shellCalls, hereCalls;
        bool opened;
    };
    const Row rows[] = {
        // Not elevated: opened here, the shell never asked.
        {page, false, ShellOpen::Opened, true, 0, 1, true},
        {page, false, ShellOpen::NoRoute, false, 0, 1, false},
        // Elevated: the shell opens it, and then nothing opens here.
        {page, true, ShellOpen::Opened, false, 1, 0, true},
        // No route to the shell, or nothing to gain by it: once here instead.
        {page, true, ShellOpen::NoRoute, true, 1, 1, true},
        {page, true, ShellOpen::SameRights, true, 1, 1, true},
        {page, true, ShellOpen::NoRoute, false, 1, 1, false},
        {page, true, ShellOpen::SameRights, false, 1, 1, false},
        // Nothing but a web address takes either route.
        {"file:///C:/windows/system32/cmd.exe", true, ShellOpen::Opened, true, 0, 0, false},
        {"C:\\windows\\notepad.exe", false, ShellOpen::Opened, true, 0, 0, false},
    };
    for (const Row& row : rows) {
        Addresses toShell, toHere;
        const feedbacklib::WebOpenRoutes routes = {[&] { return row.elevated; },
                                                   [&](const std::wstring& address) {
                                                       toShell.push_back(address);
                                                       return row.shell;
                                                   },
                                                   [&](const std::wstring& address) {
                                                       toHere.push_back(address);
                                                       return row.here;
                                                   }};
        const std::string name = std::string(row.address) + ", elevated " +
                                 std::to_string(row.elevated) + ", shell " +
                                 std::to_string(static_cast<int>(row.shell));
        EXPECT_EQ(feedbacklib::OpenWebAddress(row.address, routes), row.opened) << name;
        EXPECT_EQ(toShell, Addresses(row.shellCalls, wide)) << name;
        EXPECT_EQ(toHere, Addresses(row.hereCalls, wide)) << name;
    }
}

// COM on the test's thread for the test's length, as the library's callers have it.
struct ComApartment {
    const HRESULT result = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ~ComApartment() {
        if (SUCCEEDED(result))
            ::CoUninitialize();
    }
};

// Wine 8's explorer answers the whole way to the shell's ShellExecute and, as every Wine process,
// runs elevated. What it starts runs in its own process, so the handler here is a command line
// that writes the address given into a file named on that line, under a scheme of this test's.
TEST(DesktopShellUnderWine, AnswersForTheDesktopAndOpensWhatItIsGiven) {
    const ComApartment com;
    const feedbacklib::DesktopShell shell = feedbacklib::DesktopShell::Find();
    ASSERT_TRUE(shell);
    EXPECT_TRUE(shell.RunsElevated());
    EXPECT_TRUE(feedbacklib::ProcessRunsElevated(::GetCurrentProcess()));

    const testing_win::CaseFolder folder(L"desktop-shell");
    const std::wstring scheme = L"halvane-opener-" + std::to_wstring(::GetCurrentProcessId());
    const std::wstring key = L"Software\\Classes\\" + scheme + L"\\shell\\open\\command";
    const std::wstring command =
        L"\"C:\\windows\\system32\\cmd.exe\" /D /C echo %1>\"" + folder.File(L"opened.txt") + L"\"";
    ASSERT_EQ(::RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), nullptr, REG_SZ, command.c_str(),
                                static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    EXPECT_TRUE(shell.Open(scheme + L":page/1"));
    // Whole once the line's end is there.
    std::string text;
    for (int i = 0; i < 600 && (text.empty() || text.back() != '\n'); ++i, ::Sleep(100))
        text = folder.ReadText(L"opened.txt");
    EXPECT_EQ(text, testing_win::Narrow(scheme) + ":page/1\r\n");
    ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, (L"Software\\Classes\\" + scheme).c_str());
}

// Under Wine the shell is as elevated as this process, so the page opens here, exactly once: the
// recorder writes only when started with this process's environment.
TEST(SystemRoutes, OpenThePageOnceWithWhatWineOffers) {
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
