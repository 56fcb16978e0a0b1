// Bytes on standard output as the real tool gives them to a pipe: OEM code page, raw writes.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace powercfgsim {

// UTF-8 -> OEM code page; characters the code page lacks become '?'.
std::string Utf8ToOem(const std::string& utf8);

bool IsOemLeadByte(unsigned char b);

// One WriteFile per piece, with pauseMs between pieces.
bool WritePieces(HANDLE out, const std::string& bytes, const std::vector<std::size_t>& sizes,
                 unsigned pauseMs);

} // namespace powercfgsim
