// Opens a web address with the system's handler for it, with the rights of the user who owns the
// desktop.
#pragma once

#include <functional>
#include <string>

namespace feedbacklib {

// What became of an address handed towards the desktop shell.
enum class ShellOpen {
    Opened,     // the shell took it
    NoRoute,    // no desktop shell, or a step of the way to it failed: nothing was started
    SameRights, // the shell is elevated too: it would give the page no other rights than ours
};

// The steps of OpenWebAddress, replaceable so that each one's outcome can be chosen.
struct WebOpenRoutes {
    std::function<bool()> runsElevated;
    std::function<ShellOpen(const std::wstring& address)> openThroughShell;
    // ShellExecuteW in this process.
    std::function<bool(const std::wstring& address)> openHere;
};

// The real steps: this process's token, the desktop shell's ShellExecute, ShellExecuteW.
WebOpenRoutes SystemWebOpenRoutes();

// Only addresses IsOpenableWebAddress accepts reach a shell ("open"); anything else could make
// the shell start a program. An elevated process asks the desktop shell to open the page, so
// that the browser does not run with administrator rights; when that route does not exist the
// page opens here, as it does in a process that is not elevated. True when a handler was
// started; the page is opened at most once.
bool OpenWebAddress(const std::string& utf8Address);
bool OpenWebAddress(const std::string& utf8Address, const WebOpenRoutes& routes);

} // namespace feedbacklib
