#include "tools/probe/ProbeCommand.h"

#include <climits>

namespace probe {

const char* const kProbeUsage =
    "usage: probe [tree] [--pid N | --image NAME.exe] [--visible]\n"
    "       probe pixel X Y\n"
    "       probe wait-window [--title TEXT] [--class NAME] [--timeout MS]\n"
    "       probe post HWND MSG WPARAM LPARAM\n"
    "       probe send HWND MSG WPARAM LPARAM [--timeout MS]\n";

std::optional<std::uint64_t> ParseInteger(const std::string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    unsigned base = 10;
    if (text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            return std::nullopt;
        if (value > (UINT64_MAX - digit) / base)
            return std::nullopt;
        value = value * base + digit;
    }
    if (negative) {
        if (value > std::uint64_t(INT64_MAX) + 1)
            return std::nullopt;
        value = 0 - value;
    }
    return value;
}

namespace {

std::optional<std::int64_t> Signed(const std::string& text) {
    auto v = ParseInteger(text);
    if (!v)
        return std::nullopt;
    bool negative = !text.empty() && text[0] == '-';
    // A positive number that only fits unsigned is out of range here.
    if (!negative && *v > std::uint64_t(INT64_MAX))
        return std::nullopt;
    return static_cast<std::int64_t>(*v);
}

std::optional<int> Coordinate(const std::string& text) {
    auto v = Signed(text);
    if (!v || *v < INT_MIN || *v > INT_MAX)
        return std::nullopt;
    return static_cast<int>(*v);
}

std::optional<std::uint32_t> Unsigned32(const std::string& text) {
    if (!text.empty() && text[0] == '-')
        return std::nullopt;
    auto v = ParseInteger(text);
    if (!v || *v > UINT32_MAX)
        return std::nullopt;
    return static_cast<std::uint32_t>(*v);
}

ParsedCommand Fail(std::string error) {
    return {std::nullopt, std::move(error)};
}

// Options "--name value" after the positional arguments; flags take no value.
struct Options {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> named;
};

bool IsFlag(const std::string& name) {
    return name == "--visible";
}

std::optional<Options> Split(const std::vector<std::string>& args, std::size_t from,
                             std::string& error) {
    Options o;
    for (std::size_t i = from; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            if (IsFlag(a)) {
                o.named.emplace_back(a, "");
            } else if (i + 1 < args.size()) {
                o.named.emplace_back(a, args[i + 1]);
                ++i;
            } else {
                error = a + " needs a value";
                return std::nullopt;
            }
        } else {
            o.positional.push_back(a);
        }
    }
    return o;
}

ParsedCommand ParseTree(const Options& o) {
    if (!o.positional.empty())
        return Fail("tree takes no positional arguments");
    ProbeCommand c;
    for (const auto& [name, value] : o.named) {
        if (name == "--pid") {
            auto pid = Unsigned32(value);
            if (!pid)
                return Fail("bad --pid " + value);
            c.pid = *pid;
        } else if (name == "--image") {
            c.image = value;
        } else if (name == "--visible") {
            c.visibleOnly = true;
        } else {
            return Fail("unknown option " + name);
        }
    }
    if (c.pid && !c.image.empty())
        return Fail("give --pid or --image, not both");
    return {c, {}};
}

ParsedCommand ParsePixel(const Options& o) {
    if (o.positional.size() != 2 || !o.named.empty())
        return Fail("pixel takes X Y");
    auto x = Coordinate(o.positional[0]);
    auto y = Coordinate(o.positional[1]);
    if (!x || !y)
        return Fail("bad coordinates");
    ProbeCommand c;
    c.verb = ProbeVerb::Pixel;
    c.x = *x;
    c.y = *y;
    return {c, {}};
}

ParsedCommand ParseWait(const Options& o) {
    if (!o.positional.empty())
        return Fail("wait-window takes only options");
    ProbeCommand c;
    c.verb = ProbeVerb::WaitWindow;
    for (const auto& [name, value] : o.named) {
        if (name == "--title") {
            c.title = value;
        } else if (name == "--class") {
            c.className = value;
        } else if (name == "--timeout") {
            auto ms = Unsigned32(value);
            if (!ms)
                return Fail("bad --timeout " + value);
            c.timeoutMs = *ms;
        } else {
            return Fail("unknown option " + name);
        }
    }
    if (c.title.empty() && c.className.empty())
        return Fail("wait-window needs --title or --class");
    return {c, {}};
}

ParsedCommand ParseMessage(const Options& o, ProbeVerb verb) {
    if (o.positional.size() != 4)
        return Fail("post and send take HWND MSG WPARAM LPARAM");
    ProbeCommand c;
    c.verb = verb;
    for (const auto& [name, value] : o.named) {
        if (verb != ProbeVerb::Send || name != "--timeout")
            return Fail("unknown option " + name);
        auto ms = Unsigned32(value);
        if (!ms)
            return Fail("bad --timeout " + value);
        c.timeoutMs = *ms;
    }
    auto hwnd = ParseInteger(o.positional[0]);
    auto msg = Unsigned32(o.positional[1]);
    auto wp = ParseInteger(o.positional[2]);
    auto lp = ParseInteger(o.positional[3]);
    if (!hwnd || *hwnd == 0)
        return Fail("bad window handle " + o.positional[0]);
    if (!msg)
        return Fail("bad message " + o.positional[1]);
    if (!wp || !lp)
        return Fail("bad WPARAM or LPARAM");
    c.hwnd = *hwnd;
    c.message = *msg;
    c.wParam = *wp;
    c.lParam = *lp;
    return {c, {}};
}

} // namespace

ParsedCommand ParseProbeCommand(const std::vector<std::string>& args) {
    std::size_t from = 0;
    std::string verb = "tree";
    if (!args.empty() && args[0].compare(0, 2, "--") != 0) {
        verb = args[0];
        from = 1;
    }
    std::string error;
    auto options = Split(args, from, error);
    if (!options)
        return Fail(error);
    if (verb == "tree")
        return ParseTree(*options);
    if (verb == "pixel")
        return ParsePixel(*options);
    if (verb == "wait-window")
        return ParseWait(*options);
    if (verb == "post")
        return ParseMessage(*options, ProbeVerb::Post);
    if (verb == "send")
        return ParseMessage(*options, ProbeVerb::Send);
    return Fail("unknown command " + verb);
}

} // namespace probe
