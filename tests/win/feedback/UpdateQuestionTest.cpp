// The real library's update questions against a local HTTP server on 127.0.0.1.
#include "win/feedback/LibraryFixture.h"
#include "win/feedback/LocalHttpServer.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace testing_win;

class UpdateQuestion : public LibraryFixture {
protected:
    static int IsNewVersion() {
        return Entry<feedback::GetToolIsNewVersionFn>("GetToolIsNewVersion")(kTool, kVersion);
    }
    static int InterNetState() { return Entry<feedback::GetInterNetStateFn>("GetInterNetState")(); }
};

// The library gives up on a silent or absent server within a few half-second steps; the bound
// only has to tell that from waiting for the server (which holds on for two minutes) or for
// the system's own time-outs of half a minute and more, on however loaded a machine.
constexpr ULONGLONG kGivesUpWithinMs = 20000;

TEST_F(UpdateQuestion, StrictlyNewerVersionAnswers3) {
    LocalHttpServer server(LocalHttpServer::Mode::Answer,
                           LocalHttpServer::Ok("; family\r\n[20001]\r\nversion=9.9\r\n"
                                               "[10113]\r\nversion=1.0.21.1000\r\n"));
    ASSERT_TRUE(server.Started());
    WriteConfig(UpdateAt(server.Port()));
    EXPECT_EQ(IsNewVersion(), 3);
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].rfind("GET /halvane/manifest.ini HTTP/1.1\r\n", 0), 0u) << requests[0];
}

TEST_F(UpdateQuestion, SameOlderOrUnlistedVersionIsNotNewer) {
    for (const char* manifest : {"[10113]\nversion=1.0.21.219\n", "[10113]\nversion=1.0.21.99\n",
                                 "[10113]\nversion=1.0.9.999\n", "[20001]\nversion=9.0\n",
                                 "[10113]\ndownload=https://h/\n", "[10113]\nversion=next\n"}) {
        LocalHttpServer server(LocalHttpServer::Mode::Answer, LocalHttpServer::Ok(manifest));
        ASSERT_TRUE(server.Started());
        WriteConfig(UpdateAt(server.Port()));
        EXPECT_EQ(IsNewVersion(), 1) << manifest;
        EXPECT_EQ(server.Requests().size(), 1u);
    }
}

TEST_F(UpdateQuestion, BadAnswersAreNotNewer) {
    const std::string newer = "[10113]\r\nversion=2.0\r\n";
    for (const std::string& response :
         {LocalHttpServer::Ok("<html><body>Bad Gateway</body></html>"),
          LocalHttpServer::Ok("[10113]\nversion=2.0\nversion=3.0\n"),
          "HTTP/1.1 404 Not Found\r\nContent-Length: " + std::to_string(newer.size()) +
              "\r\nConnection: close\r\n\r\n" + newer,
          LocalHttpServer::Ok(std::string(70 * 1024, ';')), // over the manifest size limit
          std::string("garbage that is not HTTP\r\n\r\n")}) {
        LocalHttpServer server(LocalHttpServer::Mode::Answer, response);
        ASSERT_TRUE(server.Started());
        WriteConfig(UpdateAt(server.Port()));
        EXPECT_NE(IsNewVersion(), 3) << response.substr(0, 60);
    }
}

TEST_F(UpdateQuestion, ServerDownIsNotNewerAndNotReachable) {
    WriteConfig(UpdateAt(LocalHttpServer::ClosedPort()));
    const ULONGLONG start = ::GetTickCount64();
    EXPECT_EQ(IsNewVersion(), 0);
    EXPECT_EQ(InterNetState(), 0);
    EXPECT_LT(::GetTickCount64() - start, kGivesUpWithinMs);
}

TEST_F(UpdateQuestion, ServerThatNeverAnswersDoesNotHoldTheCaller) {
    LocalHttpServer server(LocalHttpServer::Mode::Silent, "");
    ASSERT_TRUE(server.Started());
    WriteConfig(UpdateAt(server.Port()));
    ULONGLONG start = ::GetTickCount64();
    EXPECT_EQ(IsNewVersion(), 0);
    EXPECT_LT(::GetTickCount64() - start, kGivesUpWithinMs);
    EXPECT_EQ(server.Requests().size(), 1u); // it did ask
    start = ::GetTickCount64();
    EXPECT_EQ(InterNetState(), 0);
    EXPECT_LT(::GetTickCount64() - start, kGivesUpWithinMs);
}

TEST_F(UpdateQuestion, AnyHttpAnswerMeansReachable) {
    LocalHttpServer server(LocalHttpServer::Mode::Answer,
                           "HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\n"
                           "Connection: close\r\n\r\n");
    ASSERT_TRUE(server.Started());
    WriteConfig(UpdateAt(server.Port()));
    EXPECT_EQ(InterNetState(), 1);
}

TEST_F(UpdateQuestion, OnlyWebAddressesAreFetched) {
    WriteConfig("Update=file:///C:/windows/win.ini\r\n");
    EXPECT_EQ(IsNewVersion(), 0);
    EXPECT_EQ(InterNetState(), 0);
}

} // namespace
