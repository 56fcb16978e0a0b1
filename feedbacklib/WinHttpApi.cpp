#include "feedbacklib/WinHttpApi.h"

#include "framework/SystemLibrary.h"

namespace feedbacklib {

namespace {

template <class F> bool Resolve(HMODULE module, const char* name, F& entry) noexcept {
    entry = reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
    return entry != nullptr;
}

const WinHttpApi* LoadWinHttp() noexcept {
    // Never freed: the entry points stay in use until the process ends, and FreeLibrary at
    // library detach is unsafe under the loader lock.
    const HMODULE module = halvane::fw::LoadSystemLibraryRaw(L"winhttp.dll");
    if (!module)
        return nullptr;
    static WinHttpApi api;
    const bool complete = Resolve(module, "WinHttpCrackUrl", api.CrackUrl) &&
                          Resolve(module, "WinHttpOpen", api.Open) &&
                          Resolve(module, "WinHttpSetTimeouts", api.SetTimeouts) &&
                          Resolve(module, "WinHttpConnect", api.Connect) &&
                          Resolve(module, "WinHttpOpenRequest", api.OpenRequest) &&
                          Resolve(module, "WinHttpSetOption", api.SetOption) &&
                          Resolve(module, "WinHttpSendRequest", api.SendRequest) &&
                          Resolve(module, "WinHttpReceiveResponse", api.ReceiveResponse) &&
                          Resolve(module, "WinHttpQueryHeaders", api.QueryHeaders) &&
                          Resolve(module, "WinHttpReadData", api.ReadData) &&
                          Resolve(module, "WinHttpCloseHandle", api.CloseHandle);
    return complete ? &api : nullptr;
}

} // namespace

const WinHttpApi* WinHttp() noexcept {
    static const WinHttpApi* const api = LoadWinHttp(); // thread-safe first use
    return api;
}

} // namespace feedbacklib
