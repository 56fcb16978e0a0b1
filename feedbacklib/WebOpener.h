// Opens a web address with the system's handler for it.
#pragma once

#include <string>

namespace feedbacklib {

// Only addresses IsOpenableWebAddress accepts reach ShellExecuteW ("open"); anything else
// could make the shell start a program. True when the handler was started.
bool OpenWebAddress(const std::string& utf8Address);

} // namespace feedbacklib
