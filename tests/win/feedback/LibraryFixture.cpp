#include "win/feedback/LibraryFixture.h"

#include "win/feedback/ChildProcess.h"

namespace testing_win {

CaseFolder* LibraryFixture::s_folder = nullptr;
HMODULE LibraryFixture::s_module = nullptr;

std::wstring RealLibraryPath() {
    return ThisExecutableFolder() + L"\\feedbacklib-real\\" + kLibraryName;
}

void LibraryFixture::SetUpTestSuite() {
    s_folder = new CaseFolder(L"library");
    ASSERT_TRUE(s_folder->CopyIn(RealLibraryPath(), kLibraryName));
    s_module = ::LoadLibraryW(s_folder->File(kLibraryName).c_str());
    ASSERT_NE(s_module, nullptr);
}

void LibraryFixture::TearDownTestSuite() {
    if (s_module != nullptr)
        ::FreeLibrary(s_module);
    s_module = nullptr;
    delete s_folder;
    s_folder = nullptr;
}

void LibraryFixture::SetUp() {
    ASSERT_NE(s_module, nullptr);
    WriteConfig("");
}

void LibraryFixture::WriteConfig(const std::string& urlLines, const std::string& dataFolder) {
    const std::string data = dataFolder.empty() ? Narrow(DataFolder()) : dataFolder;
    ASSERT_TRUE(s_folder->WriteText(L"ArkwenFeedbackInformation.ini",
                                    "[Urls]\r\n" + urlLines + "[Data]\r\nFolder=" + data + "\r\n"));
}

std::string LibraryFixture::UpdateAt(unsigned short port) {
    return "Update=http://127.0.0.1:" + std::to_string(port) + "/halvane/manifest.ini\r\n";
}

} // namespace testing_win
