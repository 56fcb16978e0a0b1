#include "tools/powercfg-sim/OemOutput.h"

#include "framework/CodePageText.h"

namespace powercfgsim {

std::string Utf8ToOem(const std::string& utf8) {
    // No best fit: a letter the code page lacks shows as '?', not as a look-alike.
    return halvane::fw::CodePageFromWide(CP_OEMCP, halvane::fw::WideFromCodePage(CP_UTF8, utf8),
                                         WC_NO_BEST_FIT_CHARS);
}

bool IsOemLeadByte(unsigned char b) {
    return IsDBCSLeadByteEx(CP_OEMCP, b) != 0;
}

bool WritePieces(HANDLE out, const std::string& bytes, const std::vector<std::size_t>& sizes,
                 unsigned pauseMs) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        if (i > 0 && pauseMs > 0)
            Sleep(pauseMs);
        DWORD put = 0;
        if (!WriteFile(out, bytes.data() + pos, static_cast<DWORD>(sizes[i]), &put, nullptr) ||
            put != sizes[i])
            return false;
        pos += sizes[i];
    }
    return true;
}

} // namespace powercfgsim
