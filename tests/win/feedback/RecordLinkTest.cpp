// The record store never reads, writes or moves anything through a link planted in its folder:
// each case plants one, appends a record and writes the summary, and checks that the place the
// link points to is untouched.
#include "feedbacklib/RecordStore.h"
#include "win/feedback/CaseFolder.h"
#include "win/support/LinkTrap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>

namespace {

using testing_win::CaseFolder;
using testing_win::LinkTrap;
using testing_win::Planted;

constexpr int kEither = -1; // not looked at: depends on where the swapped folder is found

struct RecordLinkCase {
    const char* name;
    Planted planted;
    const wchar_t* at; // the file planted at (the file cases)
    bool swapAfterCheck;
    int appended; // what Append and WriteSummary report, 1 or 0
    int summarised;
};

void PrintTo(const RecordLinkCase& c, std::ostream* out) {
    *out << c.name;
}

constexpr wchar_t kRecords[] = L"CustomerFeedback.txt";
constexpr wchar_t kTemp[] = L"CustomerFeedbackInfo.tmp";
constexpr wchar_t kSummary[] = L"CustomerFeedbackInfo.txt";

const RecordLinkCase kCases[] = {
    {"PlainFolder", Planted::Nothing, nullptr, false, 1, 1},
    {"FolderIsLink", Planted::FolderLink, nullptr, false, 0, 0},
    {"RecordsAreLink", Planted::FileLink, kRecords, false, 0, 0},
    {"RecordsAreHardLink", Planted::HardLink, kRecords, false, 0, 0},
    {"TempIsLink", Planted::FileLink, kTemp, false, 1, 0},
    {"TempIsDanglingLink", Planted::DanglingLink, kTemp, false, 1, 0},
    {"SummaryIsLink", Planted::FileLink, kSummary, false, 1, 0},
    {"SummaryIsHardLink", Planted::HardLink, kSummary, false, 1, 0},
    {"FolderSwappedAfterItsCheck", Planted::Nothing, nullptr, true, kEither, kEither},
};

class RecordLinks : public ::testing::TestWithParam<RecordLinkCase> {};

TEST_P(RecordLinks, NothingReachesWhereALinkPoints) {
    const RecordLinkCase& c = GetParam();
    const CaseFolder folder(std::wstring(L"links-") +
                            std::wstring(c.name, c.name + strlen(c.name)));
    const LinkTrap trap(folder.File(L"trap"));
    const std::wstring data = folder.File(L"data");
    ASSERT_TRUE(trap.Plant(c.planted, data, c.at != nullptr ? c.at : L""));

    const feedbacklib::CRecordStore store(data);
    if (c.swapAfterCheck)
        trap.ArmSwap();
    const int appended = store.Append("10113\t1.0.21.219\t1\t0\r\n") ? 1 : 0;
    const int summarised = store.WriteSummary() ? 1 : 0;
    EXPECT_FALSE(trap.SwapPending()) << "the store never opened a file in a checked folder";

    EXPECT_EQ(trap.Disturbance(), "");
    if (c.appended != kEither) {
        EXPECT_EQ(appended, c.appended);
    }
    if (c.summarised != kEither) {
        EXPECT_EQ(summarised, c.summarised);
    }
    if (c.planted == Planted::Nothing && !c.swapAfterCheck) {
        EXPECT_EQ(folder.ReadText(L"data\\CustomerFeedback.txt"), "10113\t1.0.21.219\t1\t0\r\n");
        EXPECT_EQ(folder.ReadText(L"data\\CustomerFeedbackInfo.txt").substr(0, 11),
                  "records=1\r\n");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RecordLinks, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<RecordLinkCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
