// Web addresses the library opens or fetches: validation, templates and re-rooting.
#pragma once

#include <string>
#include <string_view>

namespace feedbacklib {

// Only absolute http:// or https:// addresses with a host, made of URI characters
// (RFC 3986, '%' followed by two hex digits), at most 2048 bytes. Anything else, a
// file: address, a bare path or a quote that could end a handler's "%1", is refused.
bool IsOpenableWebAddress(std::string_view address);

// Percent-encodes every byte outside A-Z a-z 0-9 - . _ ~ (UTF-8 in, ASCII out).
std::string PercentEncode(std::string_view utf8);

// Replaces each "{tool}" and "{version}" with the percent-encoded values.
std::string ExpandAddressTemplate(std::string_view tmpl, std::string_view tool,
                                  std::string_view version);

// When address lies under fromRoot (same scheme and host, compared without case, then end,
// '/', '?' or '#'), returns it with that root replaced by toRoot; otherwise unchanged.
std::string RebaseAddress(std::string_view address, std::string_view fromRoot,
                          std::string_view toRoot);

} // namespace feedbacklib
