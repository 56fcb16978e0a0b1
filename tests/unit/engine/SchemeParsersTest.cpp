#include "engine/PowerModeTable.h"
#include "engine/SchemeParsers.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

const wchar_t* const kSaver = L"a1841308-3541-4fab-bc81-f71556f20b4a";
const wchar_t* const kBalanced = L"381b4222-f694-41f0-9685-ff5bb260df2e";
const wchar_t* const kHigh = L"8c5e7fda-e8bf-4a96-9a85-a6e23a8c635c";

// The list as powercfg prints it (Chinese profile), ultimate plan active.
const std::wstring kChineseList =
    L"\r\n"
    L"现有电源使用方案 (* 活动)\r\n"
    L"-----------------------------------\r\n"
    L"电源方案 GUID: 381b4222-f694-41f0-9685-ff5bb260df2e  (平衡)\r\n"
    L"电源方案 GUID: 8c5e7fda-e8bf-4a96-9a85-a6e23a8c635c  (高性能)\r\n"
    L"电源方案 GUID: a1841308-3541-4fab-bc81-f71556f20b4a  (节能)\r\n"
    L"电源方案 GUID: 4c2dbd4e-9ad4-4b7b-8b4f-1f0e2a5b1c11  (卓越性能) *\r\n";

const std::wstring kEnglishList =
    L"\r\n"
    L"Existing Power Schemes (* Active)\r\n"
    L"-----------------------------------\r\n"
    L"Power Scheme GUID: 381b4222-f694-41f0-9685-ff5bb260df2e  (Balanced) *\r\n"
    L"Power Scheme GUID: 8c5e7fda-e8bf-4a96-9a85-a6e23a8c635c  (High performance)\r\n"
    L"Power Scheme GUID: a1841308-3541-4fab-bc81-f71556f20b4a  (Power saver)\r\n"
    L"Power Scheme GUID: 0e1a6bb2-7b93-41d1-a1b5-33f0b1b5a0c4  (Ultimate Performance)\r\n";

TEST(GuidFromLine, TakesTheTokenAfterTheFirstMarker) {
    std::wstring guid;
    EXPECT_TRUE(GuidFromLine(L"Power Scheme GUID:   abc-123456789  (x) *", &guid));
    EXPECT_EQ(guid, L"abc-123456789");
    EXPECT_TRUE(GuidFromLine(L"GUID: first-guid-1 GUID: second-guid-2 ", &guid));
    EXPECT_EQ(guid, L"first-guid-1");
}

TEST(GuidFromLine, RejectsShortOrUnterminatedTokensAndLeavesTheGuidAlone) {
    std::wstring guid = L"unchanged";
    EXPECT_FALSE(GuidFromLine(L"GUID: 12345678 (eight)", &guid)); // 8 characters: too short
    EXPECT_FALSE(GuidFromLine(L"no marker here 381b4222-f694", &guid));
    EXPECT_FALSE(GuidFromLine(L"GUID: 381b4222-f694-41f0-9685-ff5bb260df2e", &guid)); // no blank
    EXPECT_FALSE(GuidFromLine(L"guid: 381b4222-f694-41f0 (lower-case marker)", &guid));
    EXPECT_EQ(guid, L"unchanged");
    EXPECT_TRUE(GuidFromLine(L"GUID: 123456789 (nine)", &guid));
    EXPECT_EQ(guid, L"123456789");
}

// Lines without "GUID:" yield their first free-standing 8-4-4-4-12 hex token.
TEST(GuidFromLine, LabelsWithoutTheMarkerYieldTheFirstGuidShapedToken) {
    const struct {
        const wchar_t* line;
        const wchar_t* guid; // null: none found
    } cases[] = {
        {L"GUID des Energieschemas: 381b4222-f694-41f0-9685-ff5bb260df2e  (Ausbalanciert) *",
         kBalanced},
        {L"GUID de plan de energía: 8c5e7fda-e8bf-4a96-9a85-a6e23a8c635c  (Alto rendimiento)", kHigh},
        {L"GUID du mode de gestion de l'alimentation : a1841308-3541-4fab-bc81-f71556f20b4a  "
         L"(Économies d'énergie)",
         kSaver},
        // Unterminated, upper or mixed case: taken as printed.
        {L"GUID des Energieschemas: 381b4222-f694-41f0-9685-ff5bb260df2e", kBalanced},
        {L"x 8C5E7FDA-E8BF-4A96-9A85-A6E23A8C635C y", L"8C5E7FDA-E8BF-4A96-9A85-A6E23A8C635C"},
        {L"(aB12cD34-0000-4fFf-8aAa-00112233eEfF)", L"aB12cD34-0000-4fFf-8aAa-00112233eEfF"},
        // Longer hex runs or touching hex digits and dashes: the later clean token wins.
        {L"0381b4222-f694-41f0-9685-ff5bb260df2e 8c5e7fda-e8bf-4a96-9a85-a6e23a8c635c", kHigh},
        {L"381b4222-f694-41f0-9685-ff5bb260df2ea 8c5e7fda-e8bf-4a96-9a85-a6e23a8c635c", kHigh},
        {L"f-381b4222-f694-41f0-9685-ff5bb260df2e a1841308-3541-4fab-bc81-f71556f20b4a-0 "
         L"8c5e7fda-e8bf-4a96-9a85-a6e23a8c635c",
         kHigh},
        // Nothing GUID-shaped.
        {L"0381b4222-f694-41f0-9685-ff5bb260df2e", nullptr},
        {L"381b4222-f694-41f0-9685-ff5bb260df2e0", nullptr},
        {L"381b4222-f694-41f0-9685-ff5bb260df2", nullptr},
        {L"381b4222f694-41f0-9685-ff5bb260df2e0a", nullptr},
        {L"381b4222-f694-41f0-9685-ff5bb260dg2e", nullptr},
        {L"Energieschema konnte nicht erstellt werden.", nullptr},
        {L"", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "line " << (&c - cases));
        std::wstring guid = L"kept";
        EXPECT_EQ(GuidFromLine(c.line, &guid), c.guid != nullptr);
        EXPECT_EQ(guid, c.guid != nullptr ? c.guid : L"kept");
    }
}

TEST(GuidFromLine, TheMarkerStillDecidesWhereItIsPresent) {
    std::wstring guid = L"kept";
    // After "GUID:" the old rule alone applies, even when a GUID stands elsewhere.
    EXPECT_FALSE(GuidFromLine(L"381b4222-f694-41f0-9685-ff5bb260df2e GUID: 12345678 (x)", &guid));
    EXPECT_EQ(guid, L"kept");
    EXPECT_TRUE(GuidFromLine(L"Energieschema-GUID: not-a-guid-at-all  (x)", &guid));
    EXPECT_EQ(guid, L"not-a-guid-at-all");
}

TEST(FindUltimateSchemeGuid, FindsThePlanByEitherName) {
    std::wstring guid;
    EXPECT_TRUE(FindUltimateSchemeGuid(kChineseList, &guid));
    EXPECT_EQ(guid, L"4c2dbd4e-9ad4-4b7b-8b4f-1f0e2a5b1c11");
    EXPECT_TRUE(FindUltimateSchemeGuid(kEnglishList, &guid));
    EXPECT_EQ(guid, L"0e1a6bb2-7b93-41d1-a1b5-33f0b1b5a0c4");
    EXPECT_TRUE(ContainsUltimateScheme(kChineseList));
    EXPECT_TRUE(ContainsUltimateScheme(kEnglishList));
}

TEST(FindUltimateSchemeGuid, FirstCopyWinsAndUnusableLinesAreSkipped) {
    const std::wstring list = L"\r\n卓越性能 without a guid\r\n"
                              L"电源方案 GUID: short  (卓越性能)\r\n"
                              L"电源方案 GUID: 11111111-aaaa  (卓越性能)\r\n"
                              L"电源方案 GUID: 22222222-bbbb  (卓越性能) *";
    std::wstring guid;
    EXPECT_TRUE(FindUltimateSchemeGuid(list, &guid));
    EXPECT_EQ(guid, L"11111111-aaaa");
}

TEST(FindUltimateSchemeGuid, LastLineWithoutLineEndAndNoMatch) {
    std::wstring guid = L"kept";
    EXPECT_TRUE(FindUltimateSchemeGuid(L"GUID: 0e1a6bb2-7b93  (Ultimate Performance)", &guid));
    EXPECT_EQ(guid, L"0e1a6bb2-7b93");
    guid = L"kept";
    EXPECT_FALSE(FindUltimateSchemeGuid(L"\r\n\r\nGUID: 0e1a6bb2-7b93  (Ultimative Leistung)\r\n",
                                        &guid));
    EXPECT_FALSE(FindUltimateSchemeGuid(L"", &guid));
    EXPECT_FALSE(FindUltimateSchemeGuid(L"GUID: ultimate performance-1 (lower case)", &guid));
    EXPECT_EQ(guid, L"kept");
    EXPECT_FALSE(ContainsUltimateScheme(L"ultimate performance"));
}

TEST(GetDuplicatedSchemeGuid, TakesTheFirstMarkerOfTheWholeOutput) {
    std::wstring guid;
    EXPECT_TRUE(GetDuplicatedSchemeGuid(
        L"电源方案 GUID: 9d3e2f1a-0b4c-4d5e-8f60-718293a4b5c6  (卓越性能)\r\n", &guid));
    EXPECT_EQ(guid, L"9d3e2f1a-0b4c-4d5e-8f60-718293a4b5c6");
    guid = L"kept";
    EXPECT_FALSE(GetDuplicatedSchemeGuid(L"Unable to create a new power scheme.\r\n", &guid));
    EXPECT_EQ(guid, L"kept");
}

TEST(GetDuplicatedSchemeGuid, LabelsWithoutTheMarkerYieldTheNewPlan) {
    const std::wstring outputs[] = {
        L"GUID des Energieschemas: 9d3e2f1a-0b4c-4d5e-8f60-718293a4b5c6  (Ultimative Leistung)\r\n",
        L"GUID de plan de energía: 9d3e2f1a-0b4c-4d5e-8f60-718293a4b5c6  (Máximo rendimiento)\r\n",
        L"GUID du mode de gestion de l'alimentation : 9d3e2f1a-0b4c-4d5e-8f60-718293a4b5c6  "
        L"(Performances optimales)\r\n"};
    for (const std::wstring& output : outputs) {
        std::wstring guid;
        EXPECT_TRUE(GetDuplicatedSchemeGuid(output, &guid));
        EXPECT_EQ(guid, L"9d3e2f1a-0b4c-4d5e-8f60-718293a4b5c6");
    }
    // A list in such a language still finds no ultimate plan by name.
    std::wstring guid = L"kept";
    EXPECT_FALSE(FindUltimateSchemeGuid(
        L"GUID des Energieschemas: 9d3e2f1a-0b4c-4d5e-8f60-718293a4b5c6  (Ultimative Leistung)",
        &guid));
    EXPECT_TRUE(FindUltimateSchemeGuid(
        L"GUID des Energieschemas: 9d3e2f1a-0b4c-4d5e-8f60-718293a4b5c6  (Ultimate Performance)",
        &guid));
    EXPECT_EQ(guid, L"9d3e2f1a-0b4c-4d5e-8f60-718293a4b5c6");
}

TEST(IsSchemeActive, OnlyAStarOnThePlansOwnLineCounts) {
    EXPECT_TRUE(IsSchemeActive(kEnglishList, kBalanced));
    EXPECT_FALSE(IsSchemeActive(kEnglishList, kHigh)); // a "*" on an earlier line
    EXPECT_FALSE(IsSchemeActive(kEnglishList, kSaver));
    EXPECT_FALSE(IsSchemeActive(kChineseList, kBalanced)); // a "*" on a later line
    EXPECT_TRUE(IsSchemeActive(kChineseList, L"4c2dbd4e-9ad4-4b7b-8b4f-1f0e2a5b1c11"));
    EXPECT_FALSE(IsSchemeActive(kChineseList, L"4C2DBD4E-9AD4-4B7B-8B4F-1F0E2A5B1C11"));
    // The active line must be terminated.
    EXPECT_FALSE(IsSchemeActive(L"GUID: 381b4222-f694-41f0-9685-ff5bb260df2e  (x) *", kBalanced));
    EXPECT_FALSE(IsSchemeActive(L"", kBalanced));
}

TEST(PowerModeTable, ModesSelectTheBuiltInPlansWithTheirCommands) {
    ASSERT_EQ(FixedPlanStepsFor(-1), nullptr);
    ASSERT_EQ(FixedPlanStepsFor(POWER_MODE_ULTIMATE), nullptr);
    const wchar_t* commands[] = {L"powercfg -s a1841308-3541-4fab-bc81-f71556f20b4a",
                                 L"powercfg -s 381b4222-f694-41f0-9685-ff5bb260df2e",
                                 L"powercfg -s 8c5e7fda-e8bf-4a96-9a85-a6e23a8c635c"};
    const wchar_t* verify[] = {L"设置节能模式失败", L"设置平衡模式失败", L"设置高性能模式失败"};
    for (int mode = 0; mode < 3; ++mode) {
        const FixedPlanSteps* steps = FixedPlanStepsFor(mode);
        ASSERT_NE(steps, nullptr);
        EXPECT_EQ(std::wstring(kSetActivePrefix) + steps->planGuid, commands[mode]);
        EXPECT_STREQ(steps->texts.verifyFailure, verify[mode]);
        EXPECT_EQ(std::wstring(steps->texts.listFailure),
                  L"执行获取当前系统电源模式命令失败" + std::to_wstring(mode + 2));
    }
    EXPECT_STREQ(kPowerModeNames[POWER_MODE_BALANCED], L"平衡模式");
    EXPECT_STREQ(kPowerModeNames[POWER_MODE_ULTIMATE], L"卓越性能模式");
}

} // namespace
} // namespace halvane
