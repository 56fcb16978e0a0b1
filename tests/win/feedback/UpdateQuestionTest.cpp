// The real library's update question against a local HTTP server on 127.0.0.1: the manifest is
// fetched from InitFreedbackDll on a worker, and the question waits for it only briefly.
#include "win/feedback/FreshLibrary.h"
#include "win/feedback/LibraryFixture.h"
#include "win/feedback/LocalHttpServer.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace testing_win;

std::string UpdateAt(unsigned short port) {
    return "Update=http://127.0.0.1:" + std::to_string(port) + "/halvane/manifest.ini\r\n";
}

std::string NotFound(const std::string& body) {
    return "HTTP/1.1 404 Not Found\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

struct AnswerCase {
    const char* what;
    std::string response;
    int answer;
};

// Asked after the server saw the fetch through: the same request and answers as a question
// that did its own fetch (the judging itself is table-tested natively), and a second question
// gets the first's answer.
TEST(UpdateQuestion, AnswersFromTheManifestFetchedSinceInit) {
    const AnswerCase cases[] = {
        {"newer",
         LocalHttpServer::Ok("; family\r\n[20001]\r\nversion=9.9\r\n"
                             "[10113]\r\nversion=1.0.21.1000\r\n"),
         3},
        {"same", LocalHttpServer::Ok("[10113]\nversion=1.0.21.219\n"), 1},
        {"not a manifest", LocalHttpServer::Ok("<html><body>Bad Gateway</body></html>"), 0},
        {"404", NotFound("[10113]\r\nversion=2.0\r\n"), 0},
        {"oversized", LocalHttpServer::Ok(std::string(70 * 1024, ';')), 0},
        {"not HTTP", "garbage that is not HTTP\r\n\r\n", 0},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.what);
        LocalHttpServer server(LocalHttpServer::Mode::Answer, c.response);
        ASSERT_TRUE(server.Started());
        FreshLibrary library(UpdateAt(server.Port()));
        ASSERT_TRUE(library.Loaded());
        ASSERT_EQ(library.Init(), 1);
        // Init alone sets the fetch going: the server sees it through before any question.
        ASSERT_TRUE(server.WaitForAnswerTaken(kLibraryWorkWaitMs));
        EXPECT_EQ(library.IsNewVersion(), c.answer);
        EXPECT_EQ(library.IsNewVersion(), c.answer);
        const auto requests = server.Requests();
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].rfind("GET /halvane/manifest.ini HTTP/1.1\r\n", 0), 0u)
            << requests[0];
    }
}

// The server holds the request for two minutes without a word; the question must not wait for
// it, and the library must leave the process cleanly although its worker is still waiting: the
// worker ends without running code of an unloaded library (that would crash this process).
TEST(UpdateQuestion, SilentServerGetsCouldNotTellAndTheLibraryStillUnloads) {
    LocalHttpServer server(LocalHttpServer::Mode::Silent, "");
    ASSERT_TRUE(server.Started());
    FreshLibrary library(UpdateAt(server.Port()));
    ASSERT_TRUE(library.Loaded());
    ASSERT_EQ(library.Init(), 1);
    // Once its request is in, the worker has started (a thread not yet running may show no start
    // address under Wine) and cannot be done: it waits for the server's silence to time out.
    ASSERT_TRUE(server.WaitForRequest(kLibraryWorkWaitMs));
    const auto workers = library.ThreadsStartedInside();
    EXPECT_EQ(workers.size(), 1u);
    EXPECT_EQ(library.IsNewVersion(), 0);
    EXPECT_EQ(library.IsNewVersion(), 0);
    library.Free();
    for (const auto& worker : workers)
        EXPECT_EQ(::WaitForSingleObject(worker.Get(), kLibraryWorkWaitMs), WAIT_OBJECT_0);
    EXPECT_FALSE(library.Mapped()); // the worker's reference was the last
    EXPECT_EQ(server.Requests().size(), 1u);
}

// A server that keeps the worker reading (a comment byte now and then) until the test releases
// the rest of the manifest: the question answers "could not tell" without waiting for the
// worker, and the manifest that arrives after it is judged by the next question. A question
// that waited for the worker would hold the release back until the library's own read limit
// had cut the fetch short, and the next question too would have no answer.
TEST(UpdateQuestion, QuestionDoesNotWaitForAWorkerStillReading) {
    const std::string body = std::string(50, ';') + "\n[10113]\nversion=1.0.22\n";
    LocalHttpServer server(LocalHttpServer::Mode::Trickle, LocalHttpServer::Ok(body));
    ASSERT_TRUE(server.Started());
    FreshLibrary library(UpdateAt(server.Port()));
    ASSERT_TRUE(library.Loaded());
    ASSERT_EQ(library.Init(), 1);
    ASSERT_TRUE(server.WaitForRequest(kLibraryWorkWaitMs));
    EXPECT_EQ(library.IsNewVersion(), 0);
    server.Release();
    ASSERT_TRUE(server.WaitForAnswerTaken(kLibraryWorkWaitMs));
    EXPECT_EQ(library.IsNewVersion(), 3);
}

// Without InitFreedbackDll the first question starts the fetch; a later one answers from it.
TEST(UpdateQuestion, QuestionWithoutInitFetchesOnce) {
    LocalHttpServer server(LocalHttpServer::Mode::Answer,
                           LocalHttpServer::Ok("[10113]\nversion=1.0.22\n"));
    ASSERT_TRUE(server.Started());
    FreshLibrary library(UpdateAt(server.Port()));
    ASSERT_TRUE(library.Loaded());
    const int first = library.IsNewVersion(); // 3 when the answer was in within the wait
    EXPECT_TRUE(first == 0 || first == 3) << first;
    ASSERT_TRUE(server.WaitForAnswerTaken(kLibraryWorkWaitMs));
    EXPECT_EQ(library.IsNewVersion(), 3);
    EXPECT_EQ(library.Init(), 1); // does not fetch again
    EXPECT_EQ(library.IsNewVersion(), 3);
    EXPECT_EQ(server.Requests().size(), 1u);
}

TEST(UpdateQuestion, ServerDownOrNoWebAddressCannotTell) {
    for (const std::string& update : {UpdateAt(LocalHttpServer::ClosedPort()),
                                      std::string("Update=file:///C:/windows/win.ini\r\n")}) {
        SCOPED_TRACE(update);
        FreshLibrary library(update);
        ASSERT_TRUE(library.Loaded());
        ASSERT_EQ(library.Init(), 1);
        EXPECT_EQ(library.IsNewVersion(), 0);
        EXPECT_EQ(library.InterNetState(), 0);
    }
}

// GetInterNetState asks the server itself, every time.
TEST(UpdateQuestion, AnyHttpAnswerMeansReachableAndSilenceDoesNot) {
    LocalHttpServer answering(LocalHttpServer::Mode::Answer,
                              "HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\n"
                              "Connection: close\r\n\r\n");
    LocalHttpServer silent(LocalHttpServer::Mode::Silent, "");
    ASSERT_TRUE(answering.Started() && silent.Started());
    FreshLibrary reachable(UpdateAt(answering.Port()));
    FreshLibrary unanswered(UpdateAt(silent.Port()));
    ASSERT_TRUE(reachable.Loaded() && unanswered.Loaded());
    EXPECT_EQ(reachable.InterNetState(), 1);
    EXPECT_EQ(reachable.InterNetState(), 1);
    EXPECT_EQ(answering.Requests().size(), 2u);
    const ULONGLONG start = ::GetTickCount64();
    EXPECT_EQ(unanswered.InterNetState(), 0);
    EXPECT_LT(::GetTickCount64() - start, kLibraryWorkWaitMs);
}

} // namespace
