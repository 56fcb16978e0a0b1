// One bounded HTTP(S) GET for the library's update questions, made on the caller's thread.
#pragma once

#include <cstddef>
#include <string>

namespace feedbacklib {

struct HttpResponse {
    bool received = false; // a status line came back (any status)
    unsigned status = 0;
    bool complete = false; // the whole body arrived within the limits
    std::string body;
};

// Each network step (resolve, connect, send, wait for the answer, each read) may take at most
// 500 ms, and no new step starts after 1500 ms, so the call returns in about 2 s at most
// (name resolution excepted where WinHTTP cannot bound it). Redirects are not followed.
// Bodies longer than maxBody are reported incomplete. Only http:// and https:// are fetched.
HttpResponse HttpGet(const std::string& url, std::size_t maxBody);

} // namespace feedbacklib
