// The probe's command line, parsed into one request.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace probe {

enum class ProbeVerb { Tree, Pixel, WaitWindow, Post, Send };

struct ProbeCommand {
    ProbeVerb verb = ProbeVerb::Tree;
    // tree: which processes' top-level windows; neither means all but Wine's own.
    std::optional<std::uint32_t> pid;
    std::string image;
    bool visibleOnly = false;
    // pixel
    int x = 0;
    int y = 0;
    // wait-window: a visible top-level window with this title and/or class.
    std::string title;
    std::string className;
    // wait-window and send
    std::uint32_t timeoutMs = 10000;
    // post and send
    std::uint64_t hwnd = 0;
    std::uint32_t message = 0;
    std::uint64_t wParam = 0;
    std::uint64_t lParam = 0;
};

struct ParsedCommand {
    std::optional<ProbeCommand> command; // empty when the line is wrong
    std::string error;
};

// Arguments after the program name, UTF-8.
ParsedCommand ParseProbeCommand(const std::vector<std::string>& args);

// Decimal or 0x-hex, optionally negative (two's complement, as for WPARAM/LPARAM).
std::optional<std::uint64_t> ParseInteger(const std::string& text);

extern const char* const kProbeUsage;

} // namespace probe
