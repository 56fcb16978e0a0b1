// probe.exe: prints the window tree of programs under test as JSON and pokes at their windows.
// Runs in the same Wine prefix as the program; a test tool, never shipped.
#include "tools/probe/JsonWriter.h"
#include "tools/probe/ProbeCommand.h"
#include "tools/probe/ProcessImages.h"
#include "tools/probe/Utf8.h"
#include "tools/probe/WindowQueries.h"
#include "tools/probe/WindowTree.h"

#include "framework/CodePageText.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace probe;

constexpr DWORD kPollMs = 50;

void Write(DWORD which, const std::string& bytes) {
    HANDLE out = GetStdHandle(which);
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD put = 0;
        if (!WriteFile(out, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &put,
                       nullptr) ||
            put == 0)
            return;
        done += put;
    }
}

int Fail(const std::string& what, int code = 1) {
    Write(STD_ERROR_HANDLE, "probe: " + what + "\n");
    return code;
}

std::wstring ToWide(const std::string& utf8) {
    return halvane::fw::WideFromCodePage(CP_UTF8, utf8);
}

HWND ToHwnd(std::uint64_t value) {
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(value));
}

int RunTree(const ProbeCommand& c) {
    CProcessImages images;
    std::wstring image = ToWide(c.image);
    CJsonWriter out;
    CWindowTree tree(out, images);
    out.BeginObject();
    out.Key("screen");
    out.BeginArray();
    out.Number(GetSystemMetrics(SM_CXSCREEN));
    out.Number(GetSystemMetrics(SM_CYSCREEN));
    out.EndArray();
    POINT cursor{};
    GetCursorPos(&cursor);
    out.Key("cursor");
    out.BeginArray();
    out.Number(cursor.x);
    out.Number(cursor.y);
    out.EndArray();
    out.Key("windows");
    out.BeginArray();
    for (HWND hwnd : CWindowTree::TopLevelWindows()) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid == images.Self())
            continue;
        if (c.pid            ? pid != *c.pid
            : !image.empty() ? !images.HasImageName(pid, image)
                             : images.IsWineInternal(pid))
            continue;
        if (c.visibleOnly && !IsWindowVisible(hwnd))
            continue;
        tree.WriteTopLevel(hwnd);
    }
    out.EndArray();
    out.EndObject();
    Write(STD_OUTPUT_HANDLE, out.Text() + "\n");
    return 0;
}

struct ScreenDC {
    HDC dc = GetDC(nullptr);
    ScreenDC() = default;
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    ~ScreenDC() {
        if (dc)
            ReleaseDC(nullptr, dc);
    }
};

int RunPixel(const ProbeCommand& c) {
    ScreenDC screen;
    COLORREF color = screen.dc ? GetPixel(screen.dc, c.x, c.y) : CLR_INVALID;
    if (color == CLR_INVALID)
        return Fail("no pixel at that point");
    char text[96];
    std::snprintf(text, sizeof text, "{\"x\":%d,\"y\":%d,\"rgb\":[%u,%u,%u]}\n", c.x, c.y,
                  GetRValue(color), GetGValue(color), GetBValue(color));
    Write(STD_OUTPUT_HANDLE, text);
    return 0;
}

HWND FindVisibleTopLevel(const ProbeCommand& c) {
    for (HWND hwnd : CWindowTree::TopLevelWindows()) {
        if (!IsWindowVisible(hwnd))
            continue;
        if (!c.title.empty() && Utf16ToUtf8(WindowText(hwnd)) != c.title)
            continue;
        if (!c.className.empty() && Utf16ToUtf8(ClassName(hwnd)) != c.className)
            continue;
        return hwnd;
    }
    return nullptr;
}

int RunWaitWindow(const ProbeCommand& c) {
    ULONGLONG deadline = GetTickCount64() + c.timeoutMs;
    for (;;) {
        if (HWND found = FindVisibleTopLevel(c)) {
            char text[48];
            std::snprintf(text, sizeof text, "{\"hwnd\":\"0x%llx\"}\n",
                          static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(found)));
            Write(STD_OUTPUT_HANDLE, text);
            return 0;
        }
        ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return Fail("no such window within the timeout");
        Sleep(static_cast<DWORD>(std::min<ULONGLONG>(kPollMs, deadline - now)));
    }
}

int RunPost(const ProbeCommand& c) {
    if (!PostMessageW(ToHwnd(c.hwnd), c.message, static_cast<WPARAM>(c.wParam),
                      static_cast<LPARAM>(c.lParam)))
        return Fail("PostMessage failed, error " + std::to_string(GetLastError()));
    return 0;
}

int RunSend(const ProbeCommand& c) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(ToHwnd(c.hwnd), c.message, static_cast<WPARAM>(c.wParam),
                             static_cast<LPARAM>(c.lParam), SMTO_ABORTIFHUNG, c.timeoutMs, &result))
        return Fail("SendMessage failed or timed out, error " + std::to_string(GetLastError()));
    Write(STD_OUTPUT_HANDLE,
          "{\"result\":" + std::to_string(static_cast<long long>(result)) + "}\n");
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(Utf16ToUtf8(ToU16(argv[i], wcslen(argv[i]))));
    ParsedCommand parsed = ParseProbeCommand(args);
    if (!parsed.command)
        return Fail(parsed.error + "\n" + kProbeUsage, 2);
    const ProbeCommand& c = *parsed.command;
    switch (c.verb) {
    case ProbeVerb::Tree:
        return RunTree(c);
    case ProbeVerb::Pixel:
        return RunPixel(c);
    case ProbeVerb::WaitWindow:
        return RunWaitWindow(c);
    case ProbeVerb::Post:
        return RunPost(c);
    case ProbeVerb::Send:
        return RunSend(c);
    }
    return 2;
}
