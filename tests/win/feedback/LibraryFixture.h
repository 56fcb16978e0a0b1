// Loads a copy of the real library from a test folder, writes its configuration file, and
// reaches its exports by name as the tool's loader does.
#pragma once

#include "feedback/FeedbackEntryPoints.h"
#include "win/feedback/CaseFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testing_win {

inline constexpr wchar_t kTool[] = L"10113";
inline constexpr wchar_t kVersion[] = L"1.0.21.219";
inline constexpr wchar_t kLibraryName[] = L"ArkwenFeedbackInformation.dll";

// The build's library, copied beside the test executables.
std::wstring RealLibraryPath();

class LibraryFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // [Urls] lines as given; [Data] Folder is the test's own unless dataFolder is set.
    static void WriteConfig(const std::string& urlLines, const std::string& dataFolder = "");
    static std::string UpdateAt(unsigned short port);
    static std::wstring DataFolder() { return s_folder->File(L"data"); }
    static CaseFolder& Folder() { return *s_folder; }

    template <typename Fn> static Fn Entry(const char* name) {
        return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(::GetProcAddress(s_module, name)));
    }

private:
    static CaseFolder* s_folder;
    static HMODULE s_module;
};

} // namespace testing_win
