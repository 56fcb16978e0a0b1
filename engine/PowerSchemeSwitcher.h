// Makes one of the four power plans the active one on a worker thread, confirms it in the
// plan list and reports the outcome to a window.
#pragma once
#include <windows.h>

#include "engine/PowerModeTable.h"

#include <string>

namespace halvane {

class CPowerSchemeSwitcher {
public:
    CPowerSchemeSwitcher() = default;
    CPowerSchemeSwitcher(const CPowerSchemeSwitcher&) = delete;
    CPowerSchemeSwitcher& operator=(const CPowerSchemeSwitcher&) = delete;

    // The window that receives WM_EXECUTE_FINISHED and WM_SET_POWER_RESULT. FALSE, and
    // nothing changed, for a null handle.
    BOOL SetMsgWnd(HWND hWnd);

    // TRUE on Windows 7 and Windows 10 only.
    BOOL IsSupportedSystem() const;

    // Starts the worker for the mode (0 to 3) and returns at once; FALSE (and a log entry)
    // when the thread cannot be created, in which case no message follows.
    BOOL StartSetPowerMode(int nMode);

    static DWORD WINAPI SetPowerModeThreadProc(LPVOID param) noexcept;

    // The whole change for m_nMode; always ends with the two messages.
    BOOL SetPowerMode();

    static BOOL FindUltimateSchemeGuid(std::wstring output, std::wstring* guid);
    static BOOL GetDuplicatedSchemeGuid(std::wstring output, std::wstring* guid);
    static BOOL IsSchemeActive(std::wstring output, std::wstring guid);

private:
    BOOL SetUltimatePlan();
    // unusableGuidText: logged when the GUID is not fit for a command line.
    BOOL ActivateAndVerify(const std::wstring& guid, const ActivationTexts& texts,
                           const wchar_t* unusableGuidText);
    BOOL Succeed();
    BOOL Fail(const wchar_t* logText);

    HWND m_hMsgWnd = nullptr;
    int m_nMode = -1;
};

} // namespace halvane
