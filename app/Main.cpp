// Entry point of Halvane.exe: the application object does everything.
#include <windows.h>

#include "framework/WinApp.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    return halvane::CWinApp::Current()->Main();
}
