// A test program for the end-to-end harness: the panel's dialog template from the real
// resources, painted with the real skin images, with its Chinese texts and mode list.
#include "controls/PngResource.h"
#include "framework/Dialog.h"
#include "framework/GdiplusSession.h"
#include "framework/MessageTable.h"
#include "res/resource.h"

#include <windows.h>

#include <gdiplus.h>

#include <memory>

namespace {

using halvane::CDialog;
namespace fw = halvane::fw;

std::unique_ptr<Gdiplus::Image> LoadSkin(WORD id) {
    Gdiplus::Image* image = nullptr;
    halvane::LoadPngFromResource(&image, id);
    return std::unique_ptr<Gdiplus::Image>(image);
}

class CSkinPreviewDlg : public CDialog {
public:
    CSkinPreviewDlg() noexcept : CDialog(IDD_TORVEL_DIALOG) {}
    DECLARE_MESSAGE_TABLE()

protected:
    BOOL OnInitDialog() noexcept override {
        CDialog::OnInitDialog();
        ::SetWindowTextW(GetSafeHwnd(), L"皮肤预览");
        m_background = LoadSkin(IDB_PANEL_BK);
        // Owner-drawn buttons show the normal image of their run of four.
        m_faces[0] = {IDC_SET, LoadSkin(183)};
        m_faces[1] = {IDC_MORE_TOOLS, LoadSkin(155)};
        m_faces[2] = {IDC_PANEL_CLOSE, LoadSkin(141)};
        m_faces[3] = {IDC_PANEL_MINIMIZE, LoadSkin(147)};
        ::MoveWindow(GetSafeHwnd(), 100, 100, 400, 600, FALSE);
        Place(IDC_SET, 77, 330, 246, 47);
        Place(IDC_MORE_TOOLS, 52, 560, 58, 18);
        Place(IDC_PANEL_CLOSE, 374, 0, 26, 34);
        Place(IDC_PANEL_MINIMIZE, 348, 0, 26, 34);
        Place(IDC_MODE_LIST, 40, 280, 320, 200);
        Place(IDC_VERSION_TEXT, 194, 17, 90, 16);
        ::SetDlgItemTextW(GetSafeHwnd(), IDC_VERSION_TEXT, L"1.0.21.219");
        HWND list = GetDlgItem(IDC_MODE_LIST);
        const wchar_t* modes[] = {L"节能模式", L"平衡模式", L"高性能模式", L"卓越性能模式"};
        for (int i = 0; i < 4; ++i)
            ::SendMessageW(list, CB_INSERTSTRING, i, reinterpret_cast<LPARAM>(modes[i]));
        ::SendMessageW(list, CB_SETCURSEL, 1, 0);
        return TRUE;
    }

private:
    void Place(int id, int x, int y, int w, int h) { ::MoveWindow(GetDlgItem(id), x, y, w, h, FALSE); }

    BOOL OnEraseBkgnd(HDC dc) {
        if (!m_background)
            return FALSE;
        Gdiplus::Graphics g(dc);
        g.DrawImage(m_background.get(), 0, 0, 400, 600);
        return TRUE;
    }

    void OnDrawItem(int id, LPDRAWITEMSTRUCT item) {
        for (const auto& face : m_faces) {
            if (face.id != id || !face.image)
                continue;
            Gdiplus::Graphics g(item->hDC);
            const RECT& r = item->rcItem;
            g.DrawImage(face.image.get(), 0, 0, static_cast<INT>(r.right - r.left),
                        static_cast<INT>(r.bottom - r.top));
        }
    }

    HBRUSH OnCtlColorStatic(HDC dc, HWND) {
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, RGB(255, 255, 255));
        return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    }

    void OnDestroy() {
        m_background.reset();
        for (auto& face : m_faces)
            face.image.reset();
        Default();
    }

    struct Face {
        int id = 0;
        std::unique_ptr<Gdiplus::Image> image;
    };
    std::unique_ptr<Gdiplus::Image> m_background;
    Face m_faces[4];
};

const fw::MessageTable& CSkinPreviewDlg::Messages() noexcept {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<WM_ERASEBKGND, &CSkinPreviewDlg::OnEraseBkgnd>(),
        fw::OnMessage<WM_DRAWITEM, &CSkinPreviewDlg::OnDrawItem>(),
        fw::OnMessage<WM_CTLCOLORSTATIC, &CSkinPreviewDlg::OnCtlColorStatic>(),
        fw::OnMessage<WM_DESTROY, &CSkinPreviewDlg::OnDestroy>(),
    };
    static const fw::MessageTable table{&CDialog::Messages(), entries};
    return table;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    fw::GdiplusSession gdiplus;
    CSkinPreviewDlg dialog;
    return static_cast<int>(dialog.DoModal());
}
