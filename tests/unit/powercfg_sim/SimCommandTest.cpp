#include "tools/powercfg-sim/SimCommand.h"
#include "tools/powercfg-sim/SimPlans.h"
#include "tools/powercfg-sim/SimText.h"

#include <gtest/gtest.h>

using namespace powercfgsim;

namespace {

const std::string kFresh = "0f0f0f0f-1111-4222-8333-444444444444";
const std::string kSaver(kSaverGuid), kBalanced(kBalancedGuid), kTemplate(kUltimateTemplateGuid);

int ExitOf(SimState& s, std::vector<std::string> argv) {
    return Execute(s, ParseCommand(argv), kFresh).exitCode;
}

} // namespace

TEST(SimCommand, SwitchForms) {
    for (const char* sw : {"-l", "-LIST", "/L"})
        EXPECT_EQ(ParseCommand({sw}).verb, Verb::List) << sw;
    EXPECT_EQ(ParseCommand({"/S", "g"}).verb, Verb::SetActive);
    EXPECT_EQ(ParseCommand({"/DuplicateScheme", "g"}).verb, Verb::Duplicate);
    for (const char* sw : {"l", "-", "-lis", "--l"})
        EXPECT_EQ(ParseCommand({sw}).verb, Verb::Invalid) << sw;
}

TEST(SimCommand, KnobsRestrictWhatSetActiveReaches) {
    SimState any = ParseState("");
    EXPECT_EQ(ExitOf(any, {"-s", "A1841308-3541-4FAB-BC81-F71556F20B4A"}), 0);
    EXPECT_EQ(any.active, kSaver);

    SimState ignoring = ParseState("ignore_set=1\n");
    EXPECT_EQ(ExitOf(ignoring, {"-s", kSaver}), 0);
    EXPECT_EQ(ExitOf(ignoring, {"-s", kTemplate}), 1);
    EXPECT_EQ(ignoring.active, kBalanced);

    SimState standby = ParseState("modern_standby=1\nactive=" + kSaver + "\n");
    EXPECT_EQ(ExitOf(standby, {"-s", std::string(kHighPerformanceGuid)}), 1);
    EXPECT_EQ(ExitOf(standby, {"-s", kBalanced}), 0);
    EXPECT_EQ(standby.active, kBalanced);

    SimState extra = ParseState("extra_plans=3\n");
    EXPECT_EQ(ExitOf(extra, {"-s", "00000000-0000-4000-8000-000000000003"}), 0);
    EXPECT_EQ(ExitOf(extra, {"-s", "00000000-0000-4000-8000-000000000004"}), 1);
}

TEST(SimCommand, DuplicateTemplatesAndGivenGuids) {
    SimState s = ParseState("profile=en\n");
    Outcome copy = Execute(
        s, ParseCommand({"/duplicatescheme", kSaver, "ABCDEF01-2345-6789-ABCD-EF0123456789"}),
        kFresh);
    EXPECT_EQ(copy.output,
              "Power Scheme GUID: abcdef01-2345-6789-abcd-ef0123456789  (Power saver)\r\n");
    // The same GUID again, a malformed one, an unknown template: refused, nothing added.
    EXPECT_EQ(ExitOf(s, {"-duplicatescheme", kSaver, "abcdef01-2345-6789-abcd-ef0123456789"}), 1);
    EXPECT_EQ(ExitOf(s, {"-duplicatescheme", kSaver, "abc"}), 1);
    EXPECT_EQ(ExitOf(s, {"-duplicatescheme", "11111111-1111-1111-1111-111111111111"}), 1);
    EXPECT_EQ(ExitOf(s, {"-duplicatescheme"}), 1);
    EXPECT_EQ(s.plans.size(), 4u);
    EXPECT_EQ(s.active, kBalanced);

    SimState other = ParseState("profile=other\n");
    EXPECT_EQ(Execute(other, ParseCommand({"-duplicatescheme", kTemplate}), kFresh).output,
              "Energieschema-GUID: " + kFresh + "  (Ultimative Leistung)\r\n");
    // The real labels of these languages carry no "GUID:"; the profile survives a write-back.
    const struct {
        const char* profile;
        std::string line;
    } labels[] = {
        {"de", "GUID des Energieschemas: " + kFresh + "  (Ultimative Leistung)\r\n"},
        {"es", "GUID de plan de energía: " + kFresh + "  (Máximo rendimiento)\r\n"},
        {"fr", "GUID du mode de gestion de l'alimentation : " + kFresh +
                   "  (Performances optimales)\r\n"},
    };
    for (const auto& l : labels) {
        SimState lang = ParseState(FormatState(ParseState(std::string("profile=") + l.profile)));
        EXPECT_EQ(ProfileName(lang.profile), std::string(l.profile));
        EXPECT_EQ(Execute(lang, ParseCommand({"-duplicatescheme", kTemplate}), kFresh).output,
                  l.line);
    }

    // Modern standby: the copy is made but, like every plan but Balanced, cannot be reached.
    SimState standby = ParseState("modern_standby=1\n");
    EXPECT_EQ(ExitOf(standby, {"-duplicatescheme", kTemplate}), 0);
    EXPECT_EQ(ExitOf(standby, {"-s", kFresh}), 1);
    EXPECT_EQ(ListOutput(standby).find(kFresh), std::string::npos);
}

TEST(SimCommand, ListOfExtraPlansAndModernStandby) {
    SimState s =
        ParseState("profile=en\nextra_plans=12\nactive=00000000-0000-4000-8000-000000000012\n");
    std::string list = ListOutput(s);
    EXPECT_NE(list.find("GUID: 00000000-0000-4000-8000-000000000001  (Scheme 1)\r\n"),
              std::string::npos);
    const std::string last = "000000000012  (Scheme 12) *\r\n";
    EXPECT_EQ(list.substr(list.size() - last.size()), last);

    std::string only = ListOutput(ParseState("modern_standby=1\nextra_plans=5\n"));
    EXPECT_EQ(only.find("GUID:"), only.rfind("GUID:"));
    EXPECT_NE(only.find("(平衡) *\r\n"), std::string::npos);
}
