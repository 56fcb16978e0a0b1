// Modeless dialogs: registered with the application, their keys routed to PreTranslateMessage by
// the application's loop and by modal loops, and dropped from the registry when they end.
#include <gtest/gtest.h>

#include <memory>

#include "TestResources.h"
#include "TestSupport.h"
#include "framework/WinApp.h"

namespace halvane::test {
namespace {

class ModelessTest : public AppTest {
protected:
    // Posts keys to the modeless dialog's edit control, then ends the application's loop.
    static void PostKeysThenQuit(ScriptedDialog& dialog) {
        HWND edit = dialog.GetDlgItem(IDC_TEST_EDIT);
        ::PostMessageW(edit, WM_KEYDOWN, 'A', 1);
        ::PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 1);
        ::PostQuitMessage(3);
    }
};

TEST_F(ModelessTest, NullParentMeansTheMainWindow) {
    ScriptedDialog dialog(IDD_TEST_DIALOG);
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
    EXPECT_EQ(::GetWindow(dialog.GetSafeHwnd(), GW_OWNER), m_main.GetSafeHwnd());
    EXPECT_FALSE(dialog.IsModal());
}

TEST_F(ModelessTest, ApplicationLoopRoutesKeysToTheModelessDialog) {
    ScriptedDialog dialog(IDD_TEST_DIALOG);
    dialog.m_swallowEnterEsc = true;
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG, &m_main));
    dialog.ShowWindow(SW_SHOW);
    PostKeysThenQuit(dialog);
    EXPECT_EQ(m_app.Run(), 3);
    EXPECT_EQ(dialog.m_log, (std::vector<std::string>{"down:65", "down:27"}));
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_EQ(dialog.m_cancelCalls, 0);
}

TEST_F(ModelessTest, UnswallowedEscapeReachesTheDialogManagerAndHidesTheDialog) {
    ScriptedDialog dialog(IDD_TEST_DIALOG);
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG, &m_main));
    dialog.ShowWindow(SW_SHOW);
    PostKeysThenQuit(dialog);
    m_app.Run();
    EXPECT_EQ(dialog.m_cancelCalls, 1);
    EXPECT_FALSE(dialog.IsWindowVisible()); // a modeless EndDialog hides
    EXPECT_TRUE(dialog.IsWindow());
}

TEST_F(ModelessTest, ModalLoopRoutesKeysToTheModelessDialog) {
    ScriptedDialog modeless(IDD_TEST_DIALOG);
    modeless.m_swallowEnterEsc = true;
    ASSERT_TRUE(modeless.Create(IDD_TEST_DIALOG, &m_main));
    modeless.ShowWindow(SW_SHOW);
    ScriptedDialog modal(IDD_TEST_DIALOG);
    modal.AddStep([&](ScriptedDialog&) {
        ::PostMessageW(modeless.GetDlgItem(IDC_TEST_EDIT), WM_KEYDOWN, VK_RETURN, 1);
    });
    modal.AddStep([](ScriptedDialog& d) { d.EndDialog(4); });
    EXPECT_EQ(modal.DoModal(), 4);
    EXPECT_EQ(modeless.m_log, std::vector<std::string>{"down:13"});
    EXPECT_TRUE(modal.m_log.empty());
}

TEST_F(ModelessTest, DestroyedOrDeletedDialogsLeaveTheRegistry) {
    auto dialog = std::make_unique<ScriptedDialog>(IDD_TEST_DIALOG);
    ASSERT_TRUE(dialog->Create(IDD_TEST_DIALOG, &m_main));
    HWND edit = dialog->GetDlgItem(IDC_TEST_EDIT);
    EXPECT_EQ(m_app.FindModeless(edit), dialog.get());
    EXPECT_EQ(m_app.FindModeless(m_main.GetSafeHwnd()), nullptr);
    dialog->DestroyWindow();
    EXPECT_EQ(m_app.FindModeless(edit), nullptr);

    ASSERT_TRUE(dialog->Create(IDD_TEST_DIALOG, &m_main));
    HWND hwnd = dialog->GetSafeHwnd();
    EXPECT_EQ(m_app.FindModeless(hwnd), dialog.get());
    dialog.reset(); // live: the destructor unregisters and destroys
    EXPECT_FALSE(::IsWindow(hwnd));
    // A later dialog must not find the dead object in the registry.
    ScriptedDialog next(IDD_TEST_DIALOG);
    ASSERT_TRUE(next.Create(IDD_TEST_DIALOG, &m_main));
    EXPECT_EQ(m_app.FindModeless(next.GetSafeHwnd()), &next);
}

TEST_F(ModelessTest, DataExchangeBindsMembersOnceAndReportsMissingControls) {
    class Exchanging : public CDialog {
    public:
        Exchanging() : CDialog(IDD_TEST_DIALOG) {}
        CWnd m_edit;
        CWnd m_missing;
        bool m_askMissing = false;

    protected:
        void DoDataExchange(CDataExchange* dx) noexcept override {
            DDX_Control(dx, IDC_TEST_EDIT, m_edit);
            if (m_askMissing)
                DDX_Control(dx, IDC_TEST_MISSING, m_missing);
        }
    };
    Exchanging dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG, &m_main));
    HWND edit = dialog.GetDlgItem(IDC_TEST_EDIT);
    EXPECT_EQ(dialog.m_edit.GetSafeHwnd(), edit);
    EXPECT_EQ(CWnd::FromHandle(edit), &dialog.m_edit);
    EXPECT_TRUE(dialog.UpdateData(FALSE)); // second exchange: binding unchanged
    EXPECT_EQ(dialog.m_edit.GetSafeHwnd(), edit);
    dialog.m_askMissing = true;
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_missing.GetSafeHwnd(), nullptr);
}

} // namespace
} // namespace halvane::test
