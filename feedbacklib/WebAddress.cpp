#include "feedbacklib/WebAddress.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace feedbacklib {

namespace {

constexpr std::size_t kMaxAddressLength = 2048;

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const auto x = static_cast<unsigned char>(s[i]);
        const auto y = static_cast<unsigned char>(prefix[i]);
        if (std::tolower(x) != std::tolower(y))
            return false;
    }
    return true;
}

bool IsHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsUnreserved(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

bool IsUriChar(char c) {
    return IsUnreserved(c) || (c != '\0' && std::strchr(":/?#[]@!$&'()*+,;=%", c) != nullptr);
}

std::size_t SchemeLength(std::string_view address) {
    if (StartsWithNoCase(address, "http://"))
        return 7;
    if (StartsWithNoCase(address, "https://"))
        return 8;
    return 0;
}

void ReplaceAll(std::string& s, std::string_view what, const std::string& with) {
    std::size_t pos = 0;
    while ((pos = s.find(what, pos)) != std::string::npos) {
        s.replace(pos, what.size(), with);
        pos += with.size();
    }
}

} // namespace

bool IsOpenableWebAddress(std::string_view address) {
    if (address.size() > kMaxAddressLength)
        return false;
    const std::size_t scheme = SchemeLength(address);
    if (scheme == 0)
        return false;
    for (std::size_t i = 0; i < address.size(); ++i) {
        const char c = address[i];
        if (!IsUriChar(c))
            return false;
        if (c == '%' &&
            (i + 2 >= address.size() || !IsHex(address[i + 1]) || !IsHex(address[i + 2])))
            return false;
    }
    std::string_view authority = address.substr(scheme);
    authority = authority.substr(0, authority.find_first_of("/?#"));
    const std::size_t at = authority.rfind('@');
    if (at != std::string_view::npos)
        authority.remove_prefix(at + 1);
    // The host ends at a port colon, but not inside an [IPv6] literal.
    std::size_t hostEnd = authority.size();
    if (!authority.empty() && authority.front() == '[') {
        const std::size_t close = authority.find(']');
        if (close == std::string_view::npos)
            return false;
        hostEnd = close + 1;
    } else {
        hostEnd = std::min(hostEnd, authority.find(':'));
    }
    return hostEnd > 0 && !(hostEnd == 2 && authority.front() == '[');
}

std::string PercentEncode(std::string_view utf8) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(utf8.size());
    for (const char c : utf8) {
        if (IsUnreserved(c)) {
            out += c;
        } else {
            const auto b = static_cast<unsigned char>(c);
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0x0F];
        }
    }
    return out;
}

std::string ExpandAddressTemplate(std::string_view tmpl, std::string_view tool,
                                  std::string_view version) {
    std::string out(tmpl);
    // Encoded values hold no braces, so one pass per placeholder cannot expand twice.
    ReplaceAll(out, "{tool}", PercentEncode(tool));
    ReplaceAll(out, "{version}", PercentEncode(version));
    return out;
}

std::string RebaseAddress(std::string_view address, std::string_view fromRoot,
                          std::string_view toRoot) {
    while (!fromRoot.empty() && fromRoot.back() == '/')
        fromRoot.remove_suffix(1);
    while (!toRoot.empty() && toRoot.back() == '/')
        toRoot.remove_suffix(1);
    if (fromRoot.empty() || !StartsWithNoCase(address, fromRoot))
        return std::string(address);
    const std::string_view rest = address.substr(fromRoot.size());
    if (!rest.empty() && rest.front() != '/' && rest.front() != '?' && rest.front() != '#')
        return std::string(address);
    std::string out(toRoot);
    out.append(rest);
    return out;
}

} // namespace feedbacklib
