// CHalvaneApp: starts what every window needs (GDI+, the common controls, the rich edit control),
// runs the main window modally and stops them again. The whole life of the tool is the main
// window's modal loop; InitInstance returns FALSE so no loop of the application's own runs.
#pragma once

#include <windows.h>

#include "framework/WinApp.h"

namespace halvane {

class CHalvaneApp : public CWinApp {
public:
    CHalvaneApp() noexcept;

    BOOL InitInstance() noexcept override;
};

} // namespace halvane
