// timeout.exe stand-in for the Wine test prefix (Wine has none): "timeout /t N [/nobreak]"
// sleeps N seconds. Never shipped.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    long seconds = -1;
    for (int i = 1; i < argc; ++i) {
        if ((_wcsicmp(argv[i], L"/t") == 0 || _wcsicmp(argv[i], L"-t") == 0) && i + 1 < argc)
            seconds = std::wcstol(argv[++i], nullptr, 10);
        else if (_wcsicmp(argv[i], L"/nobreak") != 0 && _wcsicmp(argv[i], L"-nobreak") != 0)
            return 1;
    }
    if (seconds < 0 || seconds > 99999)
        return 1;
    ::Sleep(static_cast<DWORD>(seconds) * 1000);
    return 0;
}
