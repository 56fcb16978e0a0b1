// Writes windows and, recursively, their children as JSON objects.
#pragma once

#include "tools/probe/JsonWriter.h"
#include "tools/probe/ProcessImages.h"

#include <windows.h>

#include <vector>

namespace probe {

class CWindowTree {
public:
    CWindowTree(CJsonWriter& out, CProcessImages& images) : m_out(out), m_images(images) {}

    // Adds the owning process (pid, thread, image) to what every window gets.
    void WriteTopLevel(HWND hwnd);

    // All top-level windows of the desktop, front to back.
    static std::vector<HWND> TopLevelWindows();

private:
    void WriteCommon(HWND hwnd);
    void WriteChildren(HWND hwnd, int depth);
    void WriteControlState(HWND hwnd, const std::u16string& className, LONG style);
    void WriteListItems(HWND hwnd, UINT getCount, UINT getLength, UINT getText);
    void WriteRect(const char* key, const RECT& r);
    void WriteHandle(const char* key, HWND hwnd);

    CJsonWriter& m_out;
    CProcessImages& m_images;
};

} // namespace probe
