#include "engine/PowerModeTable.h"
#include "engine/SchemeParsers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// A plan's own GUID, and names any user can give a plan: none of them may choose the GUID.
const wchar_t* const kOwn = L"9d3e2f1a-0b4c-4d5e-8f60-718293a4b5c6";
const std::wstring kInjected = L"GUID:&C:\\Users\\Public\\x.exe& Ultimate Performance";
const std::wstring kOtherPlansGuid = L"GUID:a1841308-3541-4fab-bc81-f71556f20b4a 卓越性能";
const std::wstring kOwnZh = std::wstring(L"电源方案 GUID: ") + kOwn + L"  (";
const std::wstring kOwnDe = std::wstring(L"GUID des Energieschemas: ") + kOwn + L"  (";
const std::wstring kOwnEn = std::wstring(L"Power Scheme GUID: ") + kOwn + L"  (";

struct LineCase {
    std::wstring line;
    const wchar_t* guid; // null: none found
};

void ExpectGuids(bool (*parse)(std::wstring, std::wstring*), const std::vector<LineCase>& cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases.data()));
        std::wstring guid = L"kept";
        EXPECT_EQ(parse(c.line, &guid), c.guid != nullptr);
        EXPECT_EQ(guid, c.guid != nullptr ? c.guid : L"kept");
    }
}

bool ParseLine(std::wstring line, std::wstring* guid) {
    return GuidFromLine(line, guid);
}

TEST(GuidFromLine, NamesNeverChooseTheGuid) {
    ExpectGuids(ParseLine,
                {
                    // The label's "GUID:" comes first on Chinese and English lines...
                    {kOwnZh + kInjected + L")", kOwn},
                    {kOwnEn + kOtherPlansGuid + L") *", kOwn},
                    // ...and where the label lacks it, the own GUID precedes the name's.
                    {kOwnDe + kInjected + L")", kOwn},
                    {kOwnDe + kOtherPlansGuid + L")", kOwn},
                    // After a label, exactly a GUID or nothing: no fallback to the name.
                    {L"Power Scheme GUID: &C:\\x.exe&  (a1841308-3541-4fab-bc81-f71556f20b4a)",
                     nullptr},
                    {std::wstring(L"GUID: ") + kOwn + L"&C:\\x.exe&  (x)", nullptr},
                    {std::wstring(L"GUID: x.exe&") + kOwn + L"  (x)", nullptr},
                    {std::wstring(L"GUID: \"") + kOwn + L"\"  (x)", nullptr},
                    {std::wstring(L"GUID: ") + kOwn + L"|calc  (x)", nullptr},
                    {std::wstring(L"GUID: ^") + kOwn + L"  (x)", nullptr},
                    {std::wstring(L"GUID: <") + kOwn + L">  (x)", nullptr},
                    {L"GUID: 9d3e2f1a-0b4c-4d5e-8f60&718293a4b5c6  (x)", nullptr},
                    {L"GUID: 0e1a6bb2-7b93  (x)", nullptr},
                    {std::wstring(L"GUID: ") + kOwn, nullptr}, // no blank after it
                    {std::wstring(L"GUID:\t") + kOwn + L"\t (x)", kOwn},
                    {L"guid: 381b4222-f694-41f0 (lower-case marker)", nullptr},
                });
}

// Lines without "GUID:" yield their first free-standing 8-4-4-4-12 hex token.
TEST(GuidFromLine, LabelsWithoutTheMarkerYieldTheFirstGuidShapedToken) {
    ExpectGuids(ParseLine, {
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
    });
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
                              L"电源方案 GUID: 11111111-aaaa-4aaa-8aaa-111111111111  (卓越性能)\r\n"
                              L"电源方案 GUID: 22222222-bbbb-4bbb-8bbb-222222222222  (卓越性能) *";
    std::wstring guid;
    EXPECT_TRUE(FindUltimateSchemeGuid(list, &guid));
    EXPECT_EQ(guid, L"11111111-aaaa-4aaa-8aaa-111111111111");
}

// A matching line whose text after its label is not a GUID is passed over; the scan goes on.
TEST(FindUltimateSchemeGuid, HostileNamesYieldTheirOwnPlanOrAreSkipped) {
    const std::wstring next = L"Power Scheme GUID: 0e1a6bb2-7b93-41d1-a1b5-33f0b1b5a0c4  (x)";
    ExpectGuids(FindUltimateSchemeGuid,
                {
                    {L"\r\nVorhandene Energieschemas (* Aktiv)\r\n" + kOwnDe + kInjected + L")\r\n",
                     kOwn},
                    {kOwnZh + kOtherPlansGuid + L")", kOwn},
                    {L"Energieschema-GUID: &C:\\x.exe&  (Ultimate Performance)\r\n" + next +
                         L" Ultimate Performance\r\n",
                     L"0e1a6bb2-7b93-41d1-a1b5-33f0b1b5a0c4"},
                    {L"GUID: |x.exe  (Ultimate Performance)\r\nGUID: \"x\"  (卓越性能)", nullptr},
                    {L"GUID: 0e1a6bb2-7b93  (Ultimate Performance)", nullptr},
                    {L"\r\nGUID: 0e1a6bb2-7b93-41d1-a1b5-33f0b1b5a0c4  (Ultimative Leistung)\r\n",
                     nullptr},
                    {L"", nullptr},
                    {L"GUID: 0e1a6bb2-7b93-41d1-a1b5-33f0b1b5a0c4 (ultimate performance)", nullptr},
                });
    EXPECT_FALSE(ContainsUltimateScheme(L"ultimate performance"));
}

TEST(GetDuplicatedSchemeGuid, TakesTheFirstMarkerOfTheWholeOutput) {
    ExpectGuids(GetDuplicatedSchemeGuid,
                {
                    {kOwnZh + L"卓越性能)\r\n", kOwn},
                    {kOwnDe + kInjected + L")\r\n", kOwn},
                    {kOwnZh + kOtherPlansGuid + L")\r\n", kOwn},
                    // The first marker decides, even when a later line holds a GUID.
                    {L"GUID: &C:\\x.exe&  (卓越性能)\r\n" + kOwnZh + L"卓越性能)\r\n", nullptr},
                    {L"Unable to create a new power scheme.\r\n", nullptr},
                });
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

// Only the mark after the name's closing parenthesis counts: names may hold "*", "(" and ")".
TEST(IsSchemeActive, AStarInTheNameIsNotTheActiveMark) {
    const std::wstring high = std::wstring(L"电源方案 GUID: ") + kHigh + L"  (";
    const struct {
        std::wstring list;
        bool active;
    } cases[] = {
        {high + L"高性能 *)\r\n", false},
        {high + L"高性能 *) *\r\n", true},
        {high + L"*)\r\n", false},
        {high + L"x) *)\r\n", false},
        {high + L"x) *) *\r\n", true},
        {high + L"x (y) *\r\n", true},
        {high + L"x (y) *)\r\n", false},
        {high + L"高性能)* \t\r\n", true},
        {high + L"高性能) * x\r\n", false},
        {high + L"高性能) **\r\n", false},
        {std::wstring(L"GUID des Energieschemas: ") + kHigh + L"  (Höchstleistung) *\r\n", true},
        // A name that is this plan's GUID, on an earlier, active line, is not its line.
        {std::wstring(L"电源方案 GUID: ") + kOwn + L"  (" + kHigh + L") *\r\n" + high +
             L"高性能)\r\n",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(IsSchemeActive(c.list, kHigh), c.active);
    }
}

TEST(FormatSetActiveCommand, OnlyAGuidReachesTheCommandLine) {
    const std::wstring own = kOwn;
    const struct {
        std::wstring guid;
        bool formatted;
    } cases[] = {
        {own, true},
        {L"8C5E7FDA-E8BF-4A96-9A85-A6E23A8C635C", true},
        {L"&C:\\Users\\Public\\x.exe&", false},
        {own + L"&x.exe", false},
        {own + L" ", false},
        {own.substr(1), false},
        {L"9d3e2f1a-0b4c-4d5e-8f60^718293a4b5c6", false},
        {L"9d3e2f1a-0b4c-4d5e-8f60-718293a4b5cg", false},
        {L"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        std::wstring command = L"kept";
        EXPECT_EQ(FormatSetActiveCommand(c.guid, &command), c.formatted);
        EXPECT_EQ(command, c.formatted ? L"powercfg -s " + c.guid : L"kept");
    }
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
