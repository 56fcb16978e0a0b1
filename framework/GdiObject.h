// Base of the owning GDI object classes (CFont, CBrush, CBitmap): move-only, freed once.
#pragma once

#include <windows.h>

#include "framework/Handles.h"

namespace halvane {

template <class H> class CGdiObject {
public:
    CGdiObject() noexcept = default;
    CGdiObject(CGdiObject&&) noexcept = default;
    CGdiObject& operator=(CGdiObject&&) noexcept = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    ~CGdiObject() = default;

    H GetSafeHandle() const noexcept { return m_handle.Get(); }
    operator H() const noexcept { return m_handle.Get(); }

    // Takes ownership of h; a handle held before is deleted.
    BOOL Attach(H h) noexcept {
        m_handle.Reset(h);
        return h != nullptr;
    }
    // Hands the handle to the caller, who then deletes it.
    H Detach() noexcept { return m_handle.Release(); }
    BOOL DeleteObject() noexcept {
        if (!m_handle)
            return FALSE;
        m_handle.Reset();
        return TRUE;
    }

protected:
    fw::UniqueHandle<fw::GdiObjectTraits<H>> m_handle;
};

} // namespace halvane
