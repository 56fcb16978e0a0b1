// Entry of the dialogs' end-to-end program: GDI+ for the program's life, then the app object.
#include <windows.h>

#include "framework/GdiplusSession.h"
#include "tests/e2e/dialogs_app/DialogsDemoApp.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    halvane::fw::GdiplusSession gdiplus;
    if (!gdiplus.IsStarted())
        return 102;
    halvane::demo::CDialogsDemoApp app;
    return app.Main();
}
