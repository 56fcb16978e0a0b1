// One powercfg invocation: its switch, and what it does to the state and prints.
#pragma once

#include "tools/powercfg-sim/SimState.h"

#include <string>
#include <vector>

namespace powercfgsim {

enum class Verb { List, SetActive, Duplicate, Help, Invalid };

struct Command {
    Verb verb = Verb::Invalid;
    std::vector<std::string> args; // arguments after the switch
};

// argv without the program name; switches start with '-' or '/', any case.
Command ParseCommand(const std::vector<std::string>& argv);

struct Outcome {
    std::string output; // UTF-8 text, or bytes to print as they are when raw is set
    bool raw = false;
    int exitCode = 0;
};

// Runs the command against the state; freshGuid names a plan created without a given GUID.
Outcome Execute(SimState& state, const Command& command, const std::string& freshGuid);

} // namespace powercfgsim
