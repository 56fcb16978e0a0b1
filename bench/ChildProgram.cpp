#include "bench/ChildProgram.h"

namespace halvane::bench {

ChildProgram::~ChildProgram() { End(); }

bool ChildProgram::Start(const std::wstring& exe, const std::wstring& args) noexcept {
    End();
    const std::wstring::size_type slash = exe.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"." : exe.substr(0, slash);
    std::wstring line = L"\"" + exe + L"\"" + (args.empty() ? L"" : L" " + args);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    return ::CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.c_str(), &startup, &m_info) != FALSE;
}

void ChildProgram::End() noexcept {
    if (m_info.hProcess != nullptr) {
        ::TerminateProcess(m_info.hProcess, 0);
        ::WaitForSingleObject(m_info.hProcess, 10000);
        ::CloseHandle(m_info.hProcess);
    }
    if (m_info.hThread != nullptr)
        ::CloseHandle(m_info.hThread);
    m_info = {};
}

} // namespace halvane::bench
