// powercfg.exe test double: answers /l, -s and -duplicatescheme from a state file.
#include "tools/powercfg-sim/ChunkPlan.h"
#include "tools/powercfg-sim/OemOutput.h"
#include "tools/powercfg-sim/SimCommand.h"
#include "tools/powercfg-sim/StateFile.h"

#include "framework/CodePageText.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string ToUtf8(const std::wstring& text) {
    return halvane::fw::CodePageFromWide(CP_UTF8, text);
}

std::vector<std::string> Arguments() {
    int argc = 0;
    std::unique_ptr<LPWSTR, decltype(&LocalFree)> argv(CommandLineToArgvW(GetCommandLineW(), &argc),
                                                       &LocalFree);
    std::vector<std::string> args;
    for (int i = 1; argv && i < argc; ++i)
        args.push_back(ToUtf8(argv.get()[i]));
    return args;
}

std::string FreshGuid() {
    GUID g{};
    if (CoCreateGuid(&g) != S_OK)
        return {};
    char text[40];
    std::snprintf(text, sizeof text, "%08lx-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x",
                  static_cast<unsigned long>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1],
                  g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
    return text;
}

int Fail(const char* what) {
    DWORD put = 0;
    std::string text = std::string("powercfg-sim: ") + what + "\r\n";
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), text.data(), static_cast<DWORD>(text.size()), &put,
              nullptr);
    return 2;
}

} // namespace

int main() {
    using namespace powercfgsim;
    std::vector<std::string> args = Arguments();
    SimState state;
    Outcome outcome;
    {
        CStateFile file(CStateFile::DefaultPath());
        std::string text;
        if (!file.IsOpen() || !file.Read(text))
            return Fail("cannot open the state file");
        state = ParseState(text);
        ++state.calls;
        state.lastCommand.clear();
        for (const std::string& a : args)
            state.lastCommand += (state.lastCommand.empty() ? "" : " ") + a;
        outcome = Execute(state, ParseCommand(args), FreshGuid());
        if (!file.Write(FormatState(state)))
            return Fail("cannot write the state file");
    } // lock released before any output, so a slow or hanging run blocks no other run

    if (state.hang)
        Sleep(INFINITE);

    std::string bytes = outcome.raw ? outcome.output : Utf8ToOem(outcome.output);
    std::vector<std::size_t> sizes = ChunkSizes(bytes, state.chunk, state.splitMbcs, IsOemLeadByte);
    WritePieces(GetStdHandle(STD_OUTPUT_HANDLE), bytes, sizes, state.chunkPauseMs);
    return outcome.exitCode;
}
