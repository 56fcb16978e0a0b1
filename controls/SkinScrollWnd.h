// CSkinScrollWnd: puts skinned scroll bars on a control that has standard ones, without changing
// the control. The frame takes the control's place in its parent; the control moves into a
// clipping child ("LIMIT") so that its own bars lie outside the visible area, and a CSkinScrollBar
// sits where each standard bar would be. The control keeps scrolling itself: the bars forward the
// user's actions to it and mirror its scroll state back.
#pragma once

#include <windows.h>

#include "controls/SkinScrollBar.h"
#include "framework/ToolMessages.h"
#include "framework/Wnd.h"

namespace halvane {

class CSkinScrollWnd : public CWnd {
public:
    static constexpr UINT kHorzBarId = 100;
    static constexpr UINT kVertBarId = 101;
    static constexpr UINT kLimitId = 200;
    static constexpr UINT_PTR kPollTimer = 100;

    CSkinScrollWnd() noexcept;
    ~CSkinScrollWnd() override;

    void SetScale(float scale) noexcept { m_fScale = scale; }
    void SetThumbMargin(int margin) noexcept { m_nThumbMargin = margin; }
    // Takes the control's place and hooks it; the skin stays the caller's. Always TRUE.
    BOOL HostControl(CWnd* pCtrl, HBITMAP hSkin) noexcept;

    int GetBarWidth() const noexcept { return m_nBarWidth; }
    CSkinScrollBar& VerticalBar() noexcept { return m_vertBar; }
    CSkinScrollBar& HorizontalBar() noexcept { return m_horzBar; }
    // The hosted control's window (the clipping window's child), or null.
    HWND HostedWindow() const noexcept;

    // The hosted control's window procedure while it is hooked.
    static LRESULT CALLBACK HostedControlProc(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam) noexcept;
    // Gives the control back to its first parent; the frame window and object are then gone.
    void Unhost(HWND control) noexcept;

    DECLARE_MESSAGE_TABLE()

protected:
    void PostNcDestroy() noexcept override;

private:
    LRESULT OnLayout(WPARAM vertical, LPARAM left) noexcept;
    void OnSize(UINT type, int cx, int cy) noexcept;
    void OnVScroll(UINT code, UINT pos, HWND bar) noexcept;
    void OnHScroll(UINT code, UINT pos, HWND bar) noexcept;
    void OnTimer(UINT_PTR id) noexcept;
    void OnPaint() noexcept;
    void OnDestroy() noexcept;

    void Forward(UINT message, int bar, CSkinScrollBar& skinBar, UINT code, UINT pos) noexcept;
    // The control's hook, step by step.
    void SyncBars(HWND control) noexcept;
    void LayoutBars(HWND control, NCCALCSIZE_PARAMS* params) noexcept;
    // Restores the control's procedure and slot if they are still this frame's.
    void Unhook(HWND control) noexcept;
    BOOL CreateFrame(DWORD exStyle, DWORD style, const RECT& rect, HWND parent, UINT id) noexcept;

    int m_nBarWidth = 16;
    CSkinScrollBar m_horzBar;
    CSkinScrollBar m_vertBar;
    CWnd m_wndLimit;
    HBITMAP m_hSkin = nullptr;
    int m_bBusy = 0;
    int m_nCornerMode = 0; // 0 none, 1 bottom-left, 2 bottom-right
    float m_fScale = 1.0f;
    int m_nThumbMargin = 0;
    WNDPROC m_pPrevProc = nullptr;
    bool m_bDeleteWithWindow = false; // its window went with its parent: nobody else deletes it
};

// Allocates a frame with this scale and thumb margin and hosts the control in it.
CSkinScrollWnd* AttachSkinScrollBar(CWnd* pCtrl, HBITMAP hSkin, float fScale, int nThumbMargin);
// Undoes AttachSkinScrollBar: the control returns to its parent, the frame is destroyed and
// deleted. TRUE, also for a control that was not hooked.
BOOL DetachSkinScrollBar(CWnd* pCtrl);

} // namespace halvane
