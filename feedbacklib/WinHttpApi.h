// WinHTTP, loaded on the first request rather than with the library: the tool starts without
// the network stack and most runs ask only one question of it.
#pragma once

#include <windows.h>
#include <winhttp.h>

namespace feedbacklib {

struct WinHttpApi {
    decltype(&::WinHttpCrackUrl) CrackUrl;
    decltype(&::WinHttpOpen) Open;
    decltype(&::WinHttpSetTimeouts) SetTimeouts;
    decltype(&::WinHttpConnect) Connect;
    decltype(&::WinHttpOpenRequest) OpenRequest;
    decltype(&::WinHttpSetOption) SetOption;
    decltype(&::WinHttpSendRequest) SendRequest;
    decltype(&::WinHttpReceiveResponse) ReceiveResponse;
    decltype(&::WinHttpQueryHeaders) QueryHeaders;
    decltype(&::WinHttpReadData) ReadData;
    decltype(&::WinHttpCloseHandle) CloseHandle;
};

// The entry points from the system folder's winhttp.dll, resolved once on the first call and
// kept for the life of the process; null when the DLL or one of them is missing.
const WinHttpApi* WinHttp() noexcept;

} // namespace feedbacklib
