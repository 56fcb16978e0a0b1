// The log writer never writes or moves anything through a link planted in its folder: each case
// plants one, logs, and checks that the place the link points to is untouched.
#include <gtest/gtest.h>

#include <windows.h>
#include <sddl.h>

#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "LogTestFiles.h"
#include "LogTestFolder.h"
#include "framework/SafeFolder.h"
#include "framework/SafePathRules.h"
#include "log/LogSave.h"
#include "win/support/LinkTrap.h"

using namespace halvane;

namespace {

using testing_win::LinkTrap;
using testing_win::Planted;

constexpr std::size_t kLimit = 6020000;
const std::wstring kBackupName = kLogName + L"bak";

enum class Outcome {
    Written, // the live file holds what it held and the entry
    Rotated, // the backup holds what the live file held and the entry
    Lost,    // not looked at beyond the trap (the entry is dropped, or lands in the real folder)
};

struct LinkCase {
    const char* name;
    Planted planted;
    const std::wstring* at; // the file planted at (the file cases)
    bool prefillToLimit;    // the live file is full, so the entry rotates it
    bool swapAfterCheck;    // the folder is swapped for a link after it was checked
    Outcome outcome;
};

const LinkCase kCases[] = {
    {"PlainFolder", Planted::Nothing, nullptr, false, false, Outcome::Written},
    {"PlainFolderRotates", Planted::Nothing, nullptr, true, false, Outcome::Rotated},
    {"FolderIsLink", Planted::FolderLink, nullptr, false, false, Outcome::Lost},
    {"FileIsLink", Planted::FileLink, &kLogName, false, false, Outcome::Lost},
    {"FileIsDanglingLink", Planted::DanglingLink, &kLogName, false, false, Outcome::Lost},
    {"FileIsHardLink", Planted::HardLink, &kLogName, false, false, Outcome::Lost},
    // The entry is written; the move onto a link is refused, so the file stays and grows.
    {"BackupIsLink", Planted::FileLink, &kBackupName, true, false, Outcome::Written},
    {"BackupIsHardLink", Planted::HardLink, &kBackupName, true, false, Outcome::Written},
    {"FolderSwappedAfterItsCheck", Planted::Nothing, nullptr, false, true, Outcome::Lost},
};

void PrintTo(const LinkCase& c, std::ostream* out) {
    *out << c.name;
}

class LogLinks : public ::testing::TestWithParam<LinkCase> {};

TEST_P(LogLinks, NothingReachesWhereALinkPoints) {
    const LinkCase& c = GetParam();
    const LogTestFolder root(std::wstring(L"links-") +
                             std::wstring(c.name, c.name + strlen(c.name)));
    const LinkTrap trap(root.AppData() + L"\\trap");
    const std::wstring folder = root.LogFolder().substr(0, root.LogFolder().size() - 1);
    ASSERT_TRUE(trap.Plant(c.planted, folder, c.at != nullptr ? *c.at : std::wstring()));
    const std::string prefill =
        c.prefillToLimit ? std::string(kLimit, 'p') : std::string("old\r\n");
    if (c.planted != Planted::FolderLink && !(c.at != nullptr && *c.at == kLogName))
        WriteBytes(root.LogFolder() + kLogName, prefill);

    CLogSave saver(root.AppData());
    if (c.swapAfterCheck)
        trap.ArmSwap();
    saver.Write(kGbkSaverFailed, kGbkLogName, true);
    EXPECT_FALSE(trap.SwapPending()) << "the writer never opened a file in a checked folder";

    EXPECT_EQ(trap.Disturbance(), "");
    if (c.outcome == Outcome::Lost)
        return;
    const bool rotated = c.outcome == Outcome::Rotated;
    EXPECT_EQ(PathExists(root.LogFolder() + kLogName), !rotated);
    const std::string kept = ReadBytes(root.LogFolder() + (rotated ? kBackupName : kLogName));
    ASSERT_GE(kept.size(), prefill.size());
    EXPECT_EQ(kept.substr(0, prefill.size()), prefill);
    EXPECT_EQ(EntryTexts(std::string_view(kept).substr(prefill.size())),
              std::vector<std::string>{kGbkSaverFailed});
}

INSTANTIATE_TEST_SUITE_P(Cases, LogLinks, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<LinkCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(LogLinks, PrintFlagIsNotReadThroughALink) {
    const LogTestFolder root(L"links-config");
    const LinkTrap trap(root.AppData() + L"\\trap");
    WriteBytes(trap.Folder() + L"\\print.ini", "[Log]\r\nprint=1\r\n");
    const std::wstring folder = root.LogFolder().substr(0, root.LogFolder().size() - 1);
    ASSERT_TRUE(trap.Plant(Planted::Nothing, folder, L""));
    ASSERT_TRUE(testing_win::PlantLink(root.LogFolder() + L"logCfg.ini",
                                       trap.Folder() + L"\\print.ini", false));
    EXPECT_FALSE(CLogSave(root.AppData()).IsPrintEnabled());
    testing_win::RemoveLink(root.LogFolder() + L"logCfg.ini", false);

    // The same file in place is read.
    WriteBytes(root.LogFolder() + L"logCfg.ini", "[Log]\r\nprint=1\r\n");
    EXPECT_TRUE(CLogSave(root.AppData()).IsPrintEnabled());
}

TEST(GuardedFolder, OnlySystemAndAdministratorsMayChangeWhatTheToolMakes) {
    const LogTestFolder root(L"guarded");
    const std::wstring folder = root.AppData() + L"\\made";
    EXPECT_TRUE(halvane::fw::CreateGuardedFolder(folder));
    EXPECT_TRUE(PathExists(folder));
    EXPECT_FALSE(halvane::fw::CreateGuardedFolder(folder)); // already there: left as it is

    // The descriptor it is made with (Wine keeps none of its own to read back).
    PSECURITY_DESCRIPTOR raw = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
        halvane::fw::kGuardedFolderSddl, SDDL_REVISION_1, &raw, nullptr));
    const std::unique_ptr<void, decltype(&LocalFree)> descriptor(raw, &LocalFree);
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL dacl = nullptr;
    ASSERT_TRUE(GetSecurityDescriptorControl(raw, &control, &revision) &&
                GetSecurityDescriptorDacl(raw, &present, &dacl, &defaulted) && dacl != nullptr);
    EXPECT_NE(control & SE_DACL_PROTECTED, 0) << "inherits the parent's entries";
    const std::pair<WELL_KNOWN_SID_TYPE, ACCESS_MASK> expected[] = {
        {WinLocalSystemSid, FILE_ALL_ACCESS},
        {WinBuiltinAdministratorsSid, FILE_ALL_ACCESS},
        {WinBuiltinUsersSid, FILE_GENERIC_READ | FILE_GENERIC_EXECUTE},
    };
    ASSERT_EQ(dacl->AceCount, std::size(expected));
    for (DWORD i = 0; i < dacl->AceCount; ++i) {
        void* item = nullptr;
        ASSERT_TRUE(GetAce(dacl, i, &item));
        const auto* ace = static_cast<ACCESS_ALLOWED_ACE*>(item);
        EXPECT_EQ(ace->Header.AceType, ACCESS_ALLOWED_ACE_TYPE) << i;
        EXPECT_EQ(ace->Header.AceFlags, OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE) << i;
        EXPECT_TRUE(IsWellKnownSid(const_cast<DWORD*>(&ace->SidStart), expected[i].first)) << i;
        EXPECT_EQ(ace->Mask, expected[i].second) << i;
    }
}

} // namespace
