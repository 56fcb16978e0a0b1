#include "log/LogFolder.h"

namespace halvane {

std::wstring LogFolderPath(std::wstring_view commonAppData) {
    std::wstring folder(commonAppData);
    if (!folder.empty()) {
        folder += L'\\';
    }
    folder += L"ToolLog\\";
    return folder;
}

} // namespace halvane
