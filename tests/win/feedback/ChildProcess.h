// Starts a test child program, collects its standard output and waits for it to end.
#pragma once

#include <string>

namespace testing_win {

struct ChildResult {
    bool started = false;
    bool finished = false; // ended within the time limit (else it was killed)
    unsigned long exitCode = 0;
    std::string output;
};

// commandLine as for CreateProcessW; the child inherits this process's environment.
// The default limit is generous: it only stops a child that hangs.
ChildResult RunChild(const std::wstring& commandLine, unsigned long timeoutMs = 300000);

// Runs "program" arguments. Wine's CreateProcessW cannot start a program whose path is longer
// than MAX_PATH; under Wine such a program is started by the Wine loader on the Unix side.
ChildResult RunProgram(const std::wstring& program, const std::wstring& arguments,
                       unsigned long timeoutMs = 60000);

// Folder of the running test executable, without a trailing backslash.
std::wstring ThisExecutableFolder();

} // namespace testing_win
