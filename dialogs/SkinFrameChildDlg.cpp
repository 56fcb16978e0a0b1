#include "dialogs/SkinFrameChildDlg.h"

#include "controls/PngCache.h"
#include "dialogs/PairGeometry.h"
#include "dialogs/SkinFrameDlg.h"
#include "framework/MemoryDC.h"

namespace halvane {

CSkinFrameChildDlg::CSkinFrameChildDlg(const SkinPairParams& params) noexcept
    : CDialog(static_cast<UINT>(params.innerTemplate)), m_params(params) {
    m_bSwallowEnterEsc = true;
}

CSkinFrameChildDlg::~CSkinFrameChildDlg() = default;

const fw::MessageTable& CSkinFrameChildDlg::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_DESTROY, &CSkinFrameChildDlg::OnDestroy>(),
        fw::OnMessage<WM_ERASEBKGND, &CSkinFrameChildDlg::OnEraseBkgnd>(),
        fw::OnMessage<WM_SIZE, &CSkinFrameChildDlg::OnSize>(),
        fw::OnMessage<WM_MOVE, &CSkinFrameChildDlg::OnMove>(),
        fw::OnMessage<WM_NCHITTEST, &CSkinFrameChildDlg::OnNcHitTest>(),
    };
    static const fw::MessageTable table{&CDialog::Messages(), entries};
    return table;
}

BOOL CSkinFrameChildDlg::OnInitDialog() noexcept {
    CDialog::OnInitDialog();
    // Without the background the controls stay as the template put them, unconfigured.
    if (GetBkImage() != nullptr) {
        LayoutControls(true);
        m_initialized = true;
    }
    return TRUE;
}

void CSkinFrameChildDlg::OnCancel() noexcept {
    // Never the default: it would hide a modeless inner and leave the outer's skin on screen.
    ::SendMessageW(GetParentHandle(), WM_CLOSE, 0, 0);
}

Gdiplus::Image* CSkinFrameChildDlg::GetBkImage() noexcept {
    if (!m_bkImage)
        m_bkImage = CPngCache::Get(static_cast<WORD>(m_params.backgroundPng));
    return m_bkImage.get();
}

void CSkinFrameChildDlg::OnDestroy() noexcept {
    CWnd::OnDestroy();
    ReleaseControls();
    m_bkImage.reset();
}

BOOL CSkinFrameChildDlg::OnEraseBkgnd(HDC dc) noexcept {
    RECT client{};
    GetClientRect(&client);
    if (GetBkImage() == nullptr)
        return TRUE;
    if (!m_params.bufferedBackground) {
        DrawBackground(dc, client);
        return TRUE;
    }
    CMemoryDC memory(dc, client.right - client.left, client.bottom - client.top);
    if (!memory.IsValid())
        return TRUE;
    DrawBackground(memory, client);
    memory.BlitTo(dc, 0, 0);
    return TRUE;
}

void CSkinFrameChildDlg::DrawBackground(HDC dc, const RECT& client) noexcept {
    Gdiplus::Image* image = m_bkImage.get();
    Gdiplus::Graphics graphics(dc);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    const Gdiplus::Rect target(client.left, client.top, client.right - client.left,
                               client.bottom - client.top);
    const SkinInsets& crop = m_params.backgroundCrop;
    const INT width = static_cast<INT>(image->GetWidth()) - crop.left - crop.right;
    const INT height = static_cast<INT>(image->GetHeight()) - crop.top - crop.bottom;
    graphics.DrawImage(image, target, crop.left, crop.top, width, height, Gdiplus::UnitPixel);
}

void CSkinFrameChildDlg::OnSize(UINT type, int cx, int cy) noexcept {
    CWnd::OnSize(type, cx, cy);
    if (m_initialized)
        LayoutControls(false);
}

void CSkinFrameChildDlg::OnMove(int x, int y) noexcept {
    CWnd::OnMove(x, y);
    if (!m_bInCaption)
        return;
    RECT rect{};
    GetWindowRect(&rect);
    if (auto* outer = dynamic_cast<CSkinFrameDlg*>(GetParent()))
        outer->FollowChild(rect.left, rect.top, rect.right, rect.bottom);
}

LRESULT CSkinFrameChildDlg::OnNcHitTest(POINT point) noexcept {
    if (m_params.captionHeight <= 0)
        return Default();
    RECT client{};
    GetClientRect(&client);
    ClientToScreen(&client);
    m_bInCaption = IsInCaption(m_params, {client.left, client.top, client.right, client.bottom},
                               {point.x, point.y}, m_fScale);
    // The system then drags the inner as by a title bar.
    return m_bInCaption ? HTCAPTION : Default();
}

} // namespace halvane
