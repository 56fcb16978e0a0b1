#include "dialogs/SkinFrameDlg.h"

#include "controls/PngCache.h"
#include "dialogs/LayeredSkin.h"
#include "dialogs/PairGeometry.h"

namespace halvane {

namespace {

fw::IntRect ToIntRect(const RECT& r) noexcept {
    return {r.left, r.top, r.right, r.bottom};
}

RECT ToRect(const fw::IntRect& r) noexcept {
    return {r.left, r.top, r.right, r.bottom};
}

} // namespace

CSkinFrameDlg::CSkinFrameDlg(const SkinPairParams& params, CWnd* parent) noexcept
    : CDialog(static_cast<UINT>(params.outerTemplate), parent), m_params(params) {
    m_bSwallowEnterEsc = true;
}

CSkinFrameDlg::~CSkinFrameDlg() = default;

const fw::MessageTable& CSkinFrameDlg::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_DESTROY, &CSkinFrameDlg::OnDestroy>(),
        fw::OnMessage<WM_MOVE, &CSkinFrameDlg::OnMove>(),
        fw::OnMessageRaw<WM_WINDOWPOSCHANGED, &CSkinFrameDlg::OnWindowPosChanged>(),
        fw::OnMessageRaw<WM_MOUSEACTIVATE, &CSkinFrameDlg::OnMouseActivate>(),
    };
    static const fw::MessageTable table{&CDialog::Messages(), entries};
    return table;
}

BOOL CSkinFrameDlg::OnInitDialog() noexcept {
    CDialog::OnInitDialog();
    // No template carries the layered bit: it is toggled on here.
    const LONG exStyle = ::GetWindowLongW(GetSafeHwnd(), GWL_EXSTYLE);
    ::SetWindowLongW(GetSafeHwnd(), GWL_EXSTYLE, exStyle ^ WS_EX_LAYERED);

    if (!PaintLayeredSkin()) {
        OnSkinMissing();
        return TRUE;
    }

    RECT outer{};
    GetWindowRect(&outer);
    m_childDlg = CreateChildDlg();
    if (!m_childDlg)
        return TRUE;
    m_childDlg->m_fScale = m_fScale;
    if (!m_childDlg->Create(static_cast<UINT>(m_params.innerTemplate), this)) {
        m_childDlg.reset();
        return TRUE;
    }
    m_childDlg->MoveWindow(ToRect(InitialChildRect(ToIntRect(outer))), TRUE);
    // A hidden outer (a modal one until its loop starts) shows the inner when it shows itself:
    // an owned window shown before its owner can end up beneath it (Wine's X11 driver
    // restacks the owner above it once the owner is mapped).
    if (IsWindowVisible())
        m_childDlg->ShowWindow(SW_SHOW);
    return TRUE;
}

fw::IntRect CSkinFrameDlg::InitialChildRect(const fw::IntRect& outer) const noexcept {
    return InitialInnerRect(m_params, outer, m_fScale);
}

void CSkinFrameDlg::OnSkinMissing() noexcept {
    if (IsModal())
        EndDialog(IDCANCEL);
}

BOOL CSkinFrameDlg::PaintLayeredSkin() noexcept {
    if (!m_skin)
        m_skin = CPngCache::Get(static_cast<WORD>(m_params.skinPng));
    if (!m_skin)
        return FALSE;
    const fw::IntPoint size = OuterSize(m_params, m_fScale);
    // A failed update still leaves a usable pair; only a missing skin stops it.
    UpdateLayeredSkin(GetSafeHwnd(), m_skin, size.x, size.y, m_params.highQualitySkin);
    return TRUE;
}

void CSkinFrameDlg::FollowChild(int left, int top, int right, int bottom) noexcept {
    m_bMoveChild = false;
    MoveWindow(ToRect(OuterRectAroundInner(m_params, {left, top, right, bottom}, m_fScale)), TRUE);
}

void CSkinFrameDlg::OnMove(int x, int y) noexcept {
    CWnd::OnMove(x, y);
    if (!m_bMoveChild || !m_childDlg || !m_childDlg->IsWindow())
        return;
    RECT outer{};
    GetWindowRect(&outer);
    m_childDlg->MoveWindow(ToRect(InnerRectForOuter(m_params, ToIntRect(outer), m_fScale)), TRUE);
}

LRESULT CSkinFrameDlg::OnWindowPosChanged(WPARAM, LPARAM lParam) noexcept {
    // The default processing sends WM_MOVE and WM_SIZE.
    const LRESULT result = Default();
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
    if (pos == nullptr || !m_childDlg || !m_childDlg->IsWindow())
        return result;
    if ((pos->flags & SWP_SHOWWINDOW) != 0 && !m_childDlg->IsWindowVisible()) {
        m_childDlg->ShowWindow(m_showChildCmd);
    } else if ((pos->flags & SWP_HIDEWINDOW) != 0 && !IsModal() && m_childDlg->IsWindowVisible()) {
        // A modeless pair hides as one, however its outer was hidden (a close ends a modeless
        // dialog by hiding it). A modal pair's inner goes with the outer's window, after the
        // owner has taken the activation back.
        m_childDlg->ShowWindow(SW_HIDE);
    }
    return result;
}

LRESULT CSkinFrameDlg::OnMouseActivate(WPARAM, LPARAM) noexcept {
    // The outer is only the frame around the inner: a click on its edge activates nothing, so it
    // is never raised over the inner (Wine's X11 driver raises a clicked, activated window above
    // the windows it owns).
    return MA_NOACTIVATE;
}

void CSkinFrameDlg::OnDestroy() noexcept {
    CWnd::OnDestroy();
    m_skin.reset();
    // The owned inner window is already gone: owned windows are destroyed first.
    m_childDlg.reset();
}

} // namespace halvane
