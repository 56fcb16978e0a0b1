#include "engine/PowerSchemeSwitcher.h"

#include "engine/CommandRunner.h"
#include "engine/OsVersion.h"
#include "engine/OsVersionWin.h"
#include "engine/SchemeParsers.h"
#include "framework/ToolMessages.h"
#include "log/LogFailure.h"

namespace halvane {

namespace {
// Empties the output, then runs the command; FALSE when it could not be started.
bool Run(const std::wstring& command, std::wstring* output) {
    output->clear();
    return ExecuteCmd(command, output) != FALSE;
}
} // namespace

BOOL CPowerSchemeSwitcher::SetMsgWnd(HWND hWnd) {
    if (hWnd == nullptr)
        return FALSE;
    m_hMsgWnd = hWnd;
    return TRUE;
}

BOOL CPowerSchemeSwitcher::IsSupportedSystem() const {
    unsigned long major = 0;
    unsigned long minor = 0;
    ReadRunningOsVersion(major, minor);
    return IsSupportedVersion(major, minor) ? TRUE : FALSE;
}

BOOL CPowerSchemeSwitcher::StartSetPowerMode(int nMode) {
    // Written before the thread exists, so the worker reads it without a lock.
    m_nMode = nMode;
    HANDLE thread = ::CreateThread(nullptr, 0, &SetPowerModeThreadProc, this, 0, nullptr);
    if (thread == nullptr) {
        LogFailure(kStartWorkerFailure);
        return FALSE;
    }
    ::CloseHandle(thread); // never waited for
    return TRUE;
}

DWORD WINAPI CPowerSchemeSwitcher::SetPowerModeThreadProc(LPVOID param) noexcept {
    auto* self = static_cast<CPowerSchemeSwitcher*>(param);
    try {
        self->SetPowerMode();
    } catch (...) {
        // Out of memory mid-run: the receiver still waits for its two messages.
        ::SendMessageW(self->m_hMsgWnd, WM_EXECUTE_FINISHED, 0, 0);
        ::SendMessageW(self->m_hMsgWnd, WM_SET_POWER_RESULT, kPowerResultFailure, 0);
    }
    return 1;
}

BOOL CPowerSchemeSwitcher::SetPowerMode() {
    if (m_nMode == POWER_MODE_ULTIMATE)
        return SetUltimatePlan();
    const FixedPlanSteps* steps = FixedPlanStepsFor(m_nMode);
    if (steps == nullptr)
        return Fail(nullptr); // not a mode of the list: report failure, nothing ran
    return ActivateAndVerify(steps->planGuid, steps->texts, steps->texts.setFailure);
}

BOOL CPowerSchemeSwitcher::SetUltimatePlan() {
    std::wstring output;
    if (!Run(kListSchemesCommand, &output))
        return Fail(ultimate::kFirstListFailure);

    std::wstring guid;
    if (ContainsUltimateScheme(output)) {
        if (!halvane::FindUltimateSchemeGuid(output, &guid))
            return Fail(ultimate::kParseFailure);
        return ActivateAndVerify(guid, ultimate::kExisting, ultimate::kParseFailure);
    }

    // One repeat when the duplication cannot be started; the plan it makes stays installed.
    if (!Run(ultimate::kDuplicateCommand, &output) && !Run(ultimate::kDuplicateCommand, &output))
        return Fail(ultimate::kDuplicateFailure);
    if (!halvane::GetDuplicatedSchemeGuid(output, &guid))
        return Fail(ultimate::kParseFailure);
    return ActivateAndVerify(guid, ultimate::kCreated, ultimate::kParseFailure);
}

// powercfg's exit status is never consulted: a rejected set shows up in the verification.
BOOL CPowerSchemeSwitcher::ActivateAndVerify(const std::wstring& guid, const ActivationTexts& texts,
                                             const wchar_t* unusableGuidText) {
    // The GUID may come from text any user can write (a plan's name): whatever a parser let
    // through, only a GUID is ever put on the interpreter's command line.
    std::wstring command;
    if (!FormatSetActiveCommand(guid, &command))
        return Fail(unusableGuidText);
    std::wstring output;
    if (!Run(command, &output))
        return Fail(texts.setFailure);
    if (!Run(kListSchemesCommand, &output))
        return Fail(texts.listFailure);
    if (!halvane::IsSchemeActive(output, guid))
        return Fail(texts.verifyFailure);
    return Succeed();
}

BOOL CPowerSchemeSwitcher::Succeed() {
    ::SendMessageW(m_hMsgWnd, WM_EXECUTE_FINISHED, 0, 0);
    ::SendMessageW(m_hMsgWnd, WM_SET_POWER_RESULT, kPowerResultSuccess, 0);
    return TRUE;
}

// The log line follows the messages: the receiver has shown and closed its failure prompt
// by the time SendMessageW returns.
BOOL CPowerSchemeSwitcher::Fail(const wchar_t* logText) {
    ::SendMessageW(m_hMsgWnd, WM_EXECUTE_FINISHED, 0, 0);
    ::SendMessageW(m_hMsgWnd, WM_SET_POWER_RESULT, kPowerResultFailure, 0);
    if (logText != nullptr)
        LogFailure(logText);
    return FALSE;
}

BOOL CPowerSchemeSwitcher::FindUltimateSchemeGuid(std::wstring output, std::wstring* guid) {
    return halvane::FindUltimateSchemeGuid(std::move(output), guid) ? TRUE : FALSE;
}

BOOL CPowerSchemeSwitcher::GetDuplicatedSchemeGuid(std::wstring output, std::wstring* guid) {
    return halvane::GetDuplicatedSchemeGuid(std::move(output), guid) ? TRUE : FALSE;
}

BOOL CPowerSchemeSwitcher::IsSchemeActive(std::wstring output, std::wstring guid) {
    return halvane::IsSchemeActive(std::move(output), std::move(guid)) ? TRUE : FALSE;
}

} // namespace halvane
