// The service-tool user agreement shown by the agreement dialog: a title, the notice with its
// preamble, and six headed sections. Paragraphs and items are indented by four blanks; lines are
// joined by CR LF, with none after the last one.
#pragma once

#include <string>

namespace halvane {

std::wstring BuildAgreementText();

} // namespace halvane
