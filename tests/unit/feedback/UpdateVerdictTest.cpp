#include "feedbacklib/UpdateVerdict.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace feedbacklib;

struct VerdictCase {
    const char* what;
    unsigned status;
    bool complete;
    std::string body;
    int answer;
    const char* download;
};

constexpr char kTool[] = "10113";
constexpr char kVersion[] = "1.0.21.219";

TEST(UpdateVerdict, AnswersFromTheFetchedManifest) {
    const VerdictCase cases[] = {
        {"newer, own download", 200, true,
         "[20001]\nversion=9.9\n[10113]\nversion=1.0.21.1000\ndownload=https://h/d.zip\n", kNewerVersionAvailable,
         "https://h/d.zip"},
        {"newer, no download", 200, true, "[10113]\nversion=1.0.22\n", kNewerVersionAvailable, ""},
        {"newer, download not a web address", 200, true,
         "[10113]\nversion=2\ndownload=file:///C:/x.exe\n", kNewerVersionAvailable, ""},
        {"same version", 200, true, "[10113]\nversion=1.0.21.219.0\ndownload=https://h/\n",
         kNotNewer, ""},
        {"older version", 200, true, "[10113]\nversion=1.0.9.999\n", kNotNewer, ""},
        {"other tool only", 200, true, "[20001]\nversion=9.0\n", kNotNewer, ""},
        {"no version key", 200, true, "[10113]\ndownload=https://h/\n", kNotNewer, ""},
        {"invalid version", 200, true, "[10113]\nversion=next\n", kNotNewer, ""},
        {"empty manifest", 200, true, "; nothing yet\n", kNotNewer, ""},
        {"not a manifest", 200, true, "<html>Bad Gateway</html>", kCouldNotTell, ""},
        {"key given twice", 200, true, "[10113]\nversion=2.0\nversion=3.0\n", kCouldNotTell, ""},
        {"not found", 404, true, "[10113]\nversion=2.0\n", kCouldNotTell, ""},
        {"redirect", 302, true, "[10113]\nversion=2.0\n", kCouldNotTell, ""},
        {"cut short", 200, false, "[10113]\nversion=2.0\n", kCouldNotTell, ""},
        {"no answer at all", 0, false, "", kCouldNotTell, ""},
    };
    for (const VerdictCase& c : cases) {
        const UpdateVerdict verdict = JudgeUpdate(c.status, c.complete, c.body, kTool, kVersion);
        EXPECT_EQ(verdict.answer, c.answer) << c.what;
        EXPECT_EQ(verdict.download, c.download) << c.what;
    }
}

} // namespace
