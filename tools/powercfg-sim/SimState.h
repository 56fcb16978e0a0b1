// State of the powercfg simulator: plans, active plan, profile and fault knobs.
// Stored as UTF-8 key=value lines; README.md documents the keys.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace powercfgsim {

// Far more than any reader needs; keeps a typo from filling memory.
inline constexpr unsigned kMaxExtraPlans = 100000;

// Other: German texts with a "GUID:" marker in the line label; De, Es, Fr: the labels the real
// tool prints in those languages, without it.
enum class Profile { Zh, En, Other, De, Es, Fr };

// "zh", "en", "de", "es", "fr"; anything else is Other ("other").
Profile ProfileFromName(std::string_view name);
const char* ProfileName(Profile profile);

struct Plan {
    std::string guid;
    std::string name;
};

struct SimState {
    Profile profile = Profile::Zh;
    std::string active;
    std::vector<Plan> plans;
    bool modernStandby = false;
    bool hideUltimate = false;
    bool ignoreSet = false;
    bool splitMbcs = false;
    bool hang = false;
    std::size_t chunk = 0;
    unsigned chunkPauseMs = 0;
    unsigned extraPlans = 0;
    std::optional<std::string> rawOutput; // bytes printed for /l instead of the list
    unsigned long calls = 0;
    std::string lastCommand;
    std::vector<std::string> otherLines; // unknown keys and comments, written back unchanged
};

// Text of a state file -> state. Missing keys keep their defaults; without any plan= line the
// three built-in plans of the profile are used, without active= Balanced is active.
SimState ParseState(std::string_view text);

// State -> text of a state file (knobs only when set, so the file stays readable).
std::string FormatState(const SimState& state);

// "0a ff 00" -> bytes; nullopt on an odd digit count or a non-hex character.
std::optional<std::string> DecodeHex(std::string_view hex);

} // namespace powercfgsim
