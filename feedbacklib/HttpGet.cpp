#include "feedbacklib/HttpGet.h"

#include "feedbacklib/WebAddress.h"
#include "feedbacklib/WinHttpApi.h"
#include "feedbacklib/WideText.h"

#include <windows.h>
#include <winhttp.h>

#include <memory>

namespace feedbacklib {

namespace {

constexpr DWORD kStepTimeoutMs = 500;
constexpr ULONGLONG kLastStepStartMs = 1500;

struct InternetCloser {
    void operator()(HINTERNET h) const noexcept { WinHttp()->CloseHandle(h); }
};
using InternetHandle = std::unique_ptr<void, InternetCloser>;

class Deadline {
public:
    Deadline() : m_start(::GetTickCount64()) {}
    bool Passed() const { return ::GetTickCount64() - m_start >= kLastStepStartMs; }

private:
    ULONGLONG m_start;
};

} // namespace

HttpResponse HttpGet(const std::string& url, std::size_t maxBody) {
    HttpResponse response;
    const WinHttpApi* const http = WinHttp();
    if (!http || !IsOpenableWebAddress(url))
        return response;
    const Deadline deadline;
    const std::wstring wideUrl = ToWide(url);

    URL_COMPONENTS parts = {};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!http->CrackUrl(wideUrl.c_str(), 0, 0, &parts) || parts.dwHostNameLength == 0)
        return response;
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
    path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (path.empty() || path.front() != L'/')
        path.insert(path.begin(), L'/');
    const bool secure = parts.nScheme == INTERNET_SCHEME_HTTPS;

    const InternetHandle session(http->Open(L"ArkwenFeedbackInformation/1.0",
                                            WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                                            WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session)
        return response;
    const int step = static_cast<int>(kStepTimeoutMs);
    http->SetTimeouts(session.get(), step, step, step, step);

    const InternetHandle connection(http->Connect(session.get(), host.c_str(), parts.nPort, 0));
    if (!connection)
        return response;
    const InternetHandle request(http->OpenRequest(
        connection.get(), L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
        WINHTTP_DEFAULT_ACCEPT_TYPES, WINHTTP_FLAG_REFRESH | (secure ? WINHTTP_FLAG_SECURE : 0)));
    if (!request)
        return response;
    // Waiting for the answer's headers has a time-out of its own (90 s unless set).
    http->SetTimeouts(request.get(), step, step, step, step);
    DWORD headersTimeout = kStepTimeoutMs;
    http->SetOption(request.get(), WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &headersTimeout,
                    sizeof headersTimeout);
    DWORD noRedirects = WINHTTP_DISABLE_REDIRECTS;
    http->SetOption(request.get(), WINHTTP_OPTION_DISABLE_FEATURE, &noRedirects,
                    sizeof noRedirects);

    if (!http->SendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA,
                           0, 0, 0) ||
        deadline.Passed() || !http->ReceiveResponse(request.get(), nullptr))
        return response;

    DWORD status = 0;
    DWORD size = sizeof status;
    if (!http->QueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                            WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX))
        return response;
    response.received = true;
    response.status = status;

    char buffer[4096];
    for (;;) {
        if (deadline.Passed())
            return response;
        DWORD read = 0;
        if (!http->ReadData(request.get(), buffer, sizeof buffer, &read))
            return response;
        if (read == 0)
            break;
        if (response.body.size() + read > maxBody)
            return response;
        response.body.append(buffer, read);
    }
    response.complete = true;
    return response;
}

} // namespace feedbacklib
