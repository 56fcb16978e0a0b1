#include "tools/powercfg-sim/SimState.h"

#include "tools/powercfg-sim/SimPlans.h"

#include <algorithm>
#include <charconv>

namespace powercfgsim {
namespace {

template <typename Number> void ReadNumber(std::string_view text, Number& out) {
    Number value{};
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc() && end == text.data() + text.size())
        out = value;
}

bool ReadFlag(std::string_view text) {
    return text == "1" || text == "true" || text == "yes";
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

constexpr struct {
    Profile profile;
    const char* name;
} kProfileNames[] = {{Profile::Zh, "zh"}, {Profile::En, "en"}, {Profile::Other, "other"},
                     {Profile::De, "de"}, {Profile::Es, "es"}, {Profile::Fr, "fr"}};

} // namespace

Profile ProfileFromName(std::string_view name) {
    for (const auto& p : kProfileNames) {
        if (name == p.name)
            return p.profile;
    }
    return Profile::Other;
}

const char* ProfileName(Profile profile) {
    for (const auto& p : kProfileNames) {
        if (profile == p.profile)
            return p.name;
    }
    return "zh";
}

std::optional<std::string> DecodeHex(std::string_view hex) {
    std::string bytes;
    int high = -1;
    for (char c : hex) {
        if (c == ' ' || c == '\t')
            continue;
        int d = HexDigit(c);
        if (d < 0)
            return std::nullopt;
        if (high < 0) {
            high = d;
        } else {
            bytes.push_back(static_cast<char>(high * 16 + d));
            high = -1;
        }
    }
    if (high >= 0)
        return std::nullopt;
    return bytes;
}

SimState ParseState(std::string_view text) {
    SimState s;
    bool haveActive = false;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    while (!text.empty()) {
        std::size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
        line = Trim(line);
        std::size_t eq = line.find('=');
        if (line.empty() || line.front() == '#' || eq == std::string_view::npos) {
            if (!line.empty())
                s.otherLines.emplace_back(line);
            continue;
        }
        std::string_view key = Trim(line.substr(0, eq));
        std::string_view value = Trim(line.substr(eq + 1));
        if (key == "profile") {
            s.profile = ProfileFromName(value);
        } else if (key == "active") {
            s.active = value;
            haveActive = true;
        } else if (key == "plan") {
            std::size_t blank = value.find(' ');
            std::string_view guid = value.substr(0, blank);
            std::string_view name =
                blank == std::string_view::npos ? std::string_view() : value.substr(blank + 1);
            s.plans.push_back({std::string(guid), std::string(name)});
        } else if (key == "modern_standby") {
            s.modernStandby = ReadFlag(value);
        } else if (key == "hide_ultimate") {
            s.hideUltimate = ReadFlag(value);
        } else if (key == "ignore_set") {
            s.ignoreSet = ReadFlag(value);
        } else if (key == "split_mbcs") {
            s.splitMbcs = ReadFlag(value);
        } else if (key == "hang") {
            s.hang = ReadFlag(value);
        } else if (key == "chunk") {
            ReadNumber(value, s.chunk);
        } else if (key == "chunk_pause_ms") {
            ReadNumber(value, s.chunkPauseMs);
        } else if (key == "extra_plans") {
            ReadNumber(value, s.extraPlans);
            s.extraPlans = std::min(s.extraPlans, kMaxExtraPlans);
        } else if (key == "raw_output") {
            s.rawOutput = DecodeHex(value);
        } else if (key == "calls") {
            ReadNumber(value, s.calls);
        } else if (key == "last_command") {
            s.lastCommand = value;
        } else {
            s.otherLines.emplace_back(line);
        }
    }
    if (s.plans.empty())
        s.plans = DefaultPlans(s.profile);
    if (!haveActive)
        s.active = kBalancedGuid;
    return s;
}

std::string FormatState(const SimState& s) {
    std::string out;
    auto put = [&out](std::string_view key, std::string_view value) {
        out.append(key).append("=").append(value).append("\n");
    };
    auto flag = [&put](std::string_view key, bool on) {
        if (on)
            put(key, "1");
    };
    auto number = [&put](std::string_view key, unsigned long long n) {
        if (n != 0)
            put(key, std::to_string(n));
    };
    put("profile", ProfileName(s.profile));
    put("active", s.active);
    for (const Plan& p : s.plans)
        put("plan", p.name.empty() ? p.guid : p.guid + " " + p.name);
    flag("modern_standby", s.modernStandby);
    flag("hide_ultimate", s.hideUltimate);
    flag("ignore_set", s.ignoreSet);
    flag("split_mbcs", s.splitMbcs);
    flag("hang", s.hang);
    number("chunk", s.chunk);
    number("chunk_pause_ms", s.chunkPauseMs);
    number("extra_plans", s.extraPlans);
    if (s.rawOutput) {
        static const char digits[] = "0123456789abcdef";
        std::string hex;
        for (unsigned char b : *s.rawOutput) {
            if (!hex.empty())
                hex.push_back(' ');
            hex.push_back(digits[b >> 4]);
            hex.push_back(digits[b & 15]);
        }
        put("raw_output", hex);
    }
    put("calls", std::to_string(s.calls));
    put("last_command", s.lastCommand);
    for (const std::string& line : s.otherLines)
        out.append(line).append("\n");
    return out;
}

} // namespace powercfgsim
