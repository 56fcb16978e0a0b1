// Resource identifiers of Halvane.exe. Plain defines only, so both the resource compiler and
// pure code (which never includes <windows.h>) can use them.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_HALVANE_DIALOG 102              // CHalvaneDlg, the main window
#define IDD_EXECUTE_PROMPT_CHILD_DIALOG 129 // CExecutePromptChildDlg
#define IDD_EXECUTE_PROMPT_DIALOG 130       // CExecutePromptDlg
#define IDD_FEEDBACK_CHILD_DIALOG 131       // CProblemSolvingFeedbackChildDlg
#define IDD_FEEDBACK_DIALOG 132             // CProblemSolvingFeedbackDlg
#define IDD_PROMPT_CHILD_DIALOG 133         // CPromptChildDlg
#define IDD_PROMPT_DIALOG 134               // CPromptDlg
#define IDD_TOOLTIP_CHILD_DIALOG 135        // CTooltipChildDlg
#define IDD_TOOLTIP_DIALOG 136              // CTooltipDlg
#define IDD_TORVEL_DIALOG 137               // CTorvelDlg, the main panel

// Strings, icon, system menu command
#define IDS_ABOUTBOX 101 // "关于 Halvane(&A)..."
#define IDR_MAINFRAME 128
#define IDM_ABOUTBOX 0x0010

// Custom resource type of the skin images
#define HALVANE_PNG_TYPE "PNG"

// PNG images; a run of four is normal, hover, pressed, disabled
#define IDB_MAIN_FRAME 138 // 410 x 611, alpha
#define IDB_PANEL_BK 139   // 400 x 600
#define IDB_CHECKBOX 140   // 48 x 16, alpha: empty, ticked, filled
#define IDB_PANEL_CLOSE_NORMAL 141
#define IDB_PANEL_CLOSE_HOVER 142
#define IDB_PANEL_CLOSE_PRESSED 143
#define IDB_PANEL_CLOSE_DISABLED 144
#define IDB_PROGRESS_FRAME 145 // 232 x 132, alpha
#define IDB_PROGRESS_BK 146    // 204 x 104, alpha
#define IDB_PANEL_MIN_NORMAL 147
#define IDB_PANEL_MIN_HOVER 148
#define IDB_PANEL_MIN_PRESSED 149
#define IDB_PANEL_MIN_DISABLED 150
#define IDB_FEEDBACK_MORE_NORMAL 151 // "更多方案", 266 x 60, alpha
#define IDB_FEEDBACK_MORE_HOVER 152
#define IDB_FEEDBACK_MORE_PRESSED 153
#define IDB_FEEDBACK_MORE_DISABLED 154
#define IDB_MORE_TOOLS_NORMAL 155 // "更多工具", 58 x 18
#define IDB_MORE_TOOLS_HOVER 156
#define IDB_MORE_TOOLS_PRESSED 157
#define IDB_MORE_TOOLS_DISABLED 158
#define IDB_PROMPT_FRAME 159         // 330 x 150, alpha
#define IDB_PROMPT_BK 160            // 320 x 140
#define IDB_PROMPT_CANCEL_NORMAL 161 // "取消", 55 x 24
#define IDB_PROMPT_CANCEL_HOVER 162
#define IDB_PROMPT_CANCEL_PRESSED 163
#define IDB_PROMPT_CLOSE_NORMAL 164 // 12 x 12
#define IDB_PROMPT_CLOSE_HOVER 165
#define IDB_PROMPT_CLOSE_PRESSED 166
#define IDB_PROMPT_NO_NORMAL 167 // "否"
#define IDB_PROMPT_NO_HOVER 168
#define IDB_PROMPT_NO_PRESSED 169
#define IDB_PROMPT_CONFIRM_NORMAL 170 // "确认"
#define IDB_PROMPT_CONFIRM_HOVER 171
#define IDB_PROMPT_CONFIRM_PRESSED 172
#define IDB_PROMPT_YES_NORMAL 173 // "是"
#define IDB_PROMPT_YES_HOVER 174
#define IDB_PROMPT_YES_PRESSED 175
#define IDB_FEEDBACK_FRAME 176        // 410 x 479, alpha
#define IDB_FEEDBACK_BK 177           // 400 x 468, alpha
#define IDB_FEEDBACK_CLOSE_NORMAL 178 // 12 x 12
#define IDB_FEEDBACK_CLOSE_HOVER 179
#define IDB_FEEDBACK_CLOSE_PRESSED 180
#define IDB_FEEDBACK_CLOSE_DISABLED 181
#define IDB_SCROLLBAR 182  // BITMAP, 117 x 39, 8 bpp: 9 x 3 cells of 13 x 13
#define IDB_SET_NORMAL 183 // "设置", 246 x 47
#define IDB_SET_HOVER 184
#define IDB_SET_PRESSED 185
#define IDB_SET_DISABLED 186
#define IDB_FEEDBACK_SOLVED_NORMAL 187 // "解决", 266 x 60, alpha
#define IDB_FEEDBACK_SOLVED_HOVER 188
#define IDB_FEEDBACK_SOLVED_PRESSED 189
#define IDB_FEEDBACK_SOLVED_DISABLED 190
#define IDB_TOOLTIP_BK 191               // 541 x 402, alpha
#define IDB_FEEDBACK_UNSOLVED_NORMAL 192 // "未解决", 266 x 60, alpha
#define IDB_FEEDBACK_UNSOLVED_HOVER 193
#define IDB_FEEDBACK_UNSOLVED_PRESSED 194
#define IDB_FEEDBACK_UNSOLVED_DISABLED 195

// Controls
#define IDC_STATE_TEXT 1000     // progress dialog's animated text
#define IDC_MORE_SOLUTIONS 1001 // "更多方案"
#define IDC_FEEDBACK_CLOSE 1002 // feedback dialog's close button
#define IDC_SOLVED 1003         // "解决"
#define IDC_UNSOLVED 1004       // "未解决"
#define IDC_PROMPT_CLOSE 1005   // prompt dialog's close button
#define IDC_PROMPT_TEXT 1006    // prompt dialog's message
#define IDC_PROMPT_OK 1007      // prompt dialog's OK button
#define IDC_PROMPT_CANCEL 1008  // prompt dialog's Cancel button
#define IDC_AGREEMENT_TEXT 1009 // agreement rich edit
#define IDC_PANEL_CLOSE 1010    // main panel's close button
#define IDC_PANEL_MINIMIZE 1011 // main panel's minimise button
#define IDC_MODE_LIST 1012      // power mode drop-down list
#define IDC_CONSENT 1013        // "同意" check box
#define IDC_VERSION_TEXT 1014   // version label
#define IDC_SET 1015            // "设置"
#define IDC_MORE_TOOLS 1016     // "更多工具"
#define IDC_AGREEMENT_LINK 1017 // "《岚拓服务工具使用许可协议》"
#define IDC_FEEDBACK_LINK 1018  // "反馈问题"
