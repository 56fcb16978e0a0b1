#include "log/LogFailure.h"

#include "log/Cp936.h"
#include "log/LogSave.h"

namespace halvane {

void LogFailure(std::wstring_view text) noexcept {
    try {
        CLogSave::GetInstance().Write(ToCp936(text), ToCp936(L"霁衡.txt"), true);
    } catch (...) {
        // Logging never reports failure, not even running out of memory.
    }
}

} // namespace halvane
