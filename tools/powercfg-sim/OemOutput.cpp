#include "tools/powercfg-sim/OemOutput.h"

namespace powercfgsim {

std::string Utf8ToOem(const std::string& utf8) {
    if (utf8.empty())
        return {};
    int wide =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), wide);
    // No best fit: a letter the code page lacks shows as '?', not as a look-alike.
    int n = WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, text.data(), wide, nullptr, 0,
                                nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, text.data(), wide, out.data(), n, nullptr,
                        nullptr);
    return out;
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
