// Runs the probe under each Windows version Wine can report (per-program AppDefaults key)
// and checks the PEB pair it reads and the supported answer for it.
#include "engine/OsVersion.h"
#include "engine/OsVersionWin.h"
#include "win/feedback/ChildProcess.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr wchar_t kProbe[] = L"halvane_osversion_probe.exe";
constexpr wchar_t kAppKey[] = L"Software\\Wine\\AppDefaults\\halvane_osversion_probe.exe";

// Sets the version Wine reports to the probe; removes the key again when done.
class ScopedReportedVersion {
public:
    explicit ScopedReportedVersion(const wchar_t* version) {
        const auto bytes = static_cast<DWORD>((wcslen(version) + 1) * sizeof(wchar_t));
        m_ok = ::RegSetKeyValueW(HKEY_CURRENT_USER, kAppKey, L"Version", REG_SZ, version, bytes) ==
               ERROR_SUCCESS;
    }
    ScopedReportedVersion(const ScopedReportedVersion&) = delete;
    ScopedReportedVersion& operator=(const ScopedReportedVersion&) = delete;
    ~ScopedReportedVersion() { ::RegDeleteTreeW(HKEY_CURRENT_USER, kAppKey); }
    bool ok() const { return m_ok; }

private:
    bool m_ok = false;
};

std::string RunProbe() {
    const std::wstring command =
        L"\"" + testing_win::ThisExecutableFolder() + L"\\" + kProbe + L"\"";
    const testing_win::ChildResult r = testing_win::RunChild(command);
    EXPECT_TRUE(r.started);
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 0u);
    std::string out = r.output;
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r'))
        out.pop_back();
    return out;
}

struct VersionCase {
    const wchar_t* wineName;
    const char* expected;
};

class ReportedVersion : public ::testing::TestWithParam<VersionCase> {};

TEST_P(ReportedVersion, ProbeReadsThePairAndDecides) {
    const ScopedReportedVersion version(GetParam().wineName);
    ASSERT_TRUE(version.ok());
    EXPECT_EQ(RunProbe(), GetParam().expected);
}

// Every name Wine 8 knows from NT 4 to Windows 10 (it has no "win11" yet); NT 4 and 98 give
// pairs outside the table.
INSTANTIATE_TEST_SUITE_P(
    Wine, ReportedVersion,
    ::testing::Values(VersionCase{L"win98", "4.10 FALSE"}, VersionCase{L"nt40", "4.0 FALSE"},
                      VersionCase{L"win2k", "5.0 FALSE"}, VersionCase{L"winxp", "5.1 FALSE"},
                      VersionCase{L"winxp64", "5.2 FALSE"}, VersionCase{L"win2003", "5.2 FALSE"},
                      VersionCase{L"vista", "6.0 FALSE"}, VersionCase{L"win2008", "6.0 FALSE"},
                      VersionCase{L"win7", "6.1 TRUE"}, VersionCase{L"win2008r2", "6.1 TRUE"},
                      VersionCase{L"win8", "6.2 FALSE"}, VersionCase{L"win81", "6.3 FALSE"},
                      VersionCase{L"win10", "10.0 TRUE"}));

TEST(RunningOsVersion, MatchesTheSystemsOwnAnswer) {
    // RtlGetVersion reports the same numbers the loader put in the PEB.
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    ASSERT_NE(ntdll, nullptr);
    const auto rtlGetVersion = reinterpret_cast<RtlGetVersionFn>(
        reinterpret_cast<void (*)()>(::GetProcAddress(ntdll, "RtlGetVersion")));
    ASSERT_NE(rtlGetVersion, nullptr);
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_EQ(rtlGetVersion(&info), 0);
    unsigned long major = 0;
    unsigned long minor = 0;
    ReadRunningOsVersion(major, minor);
    EXPECT_EQ(major, info.dwMajorVersion);
    EXPECT_EQ(minor, info.dwMinorVersion);
}

} // namespace
