// Move-only owner of one Win32 handle; Traits say what "empty" is and how to free it.
#pragma once

#include <utility>

namespace halvane::fw {

template <class Traits> class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle h) noexcept : m_h(h) { Traits::Adopted(m_h); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_h(std::exchange(other.m_h, Traits::Empty())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            m_h = std::exchange(other.m_h, Traits::Empty());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Reset(); }

    Handle Get() const noexcept { return m_h; }
    explicit operator bool() const noexcept { return Traits::IsValid(m_h); }

    // Frees the held handle (if any) and takes ownership of h.
    void Reset(Handle h = Traits::Empty()) noexcept {
        if (h == m_h)
            return;
        if (Traits::IsValid(m_h))
            Traits::Free(m_h);
        m_h = h;
        Traits::Adopted(m_h);
    }

    // Gives up ownership without freeing.
    Handle Release() noexcept {
        Handle h = m_h;
        if (Traits::IsValid(h))
            Traits::Disowned(h);
        m_h = Traits::Empty();
        return h;
    }

private:
    Handle m_h = Traits::Empty();
};

// Base for traits whose empty value is a null pointer and which are not counted.
template <class H> struct NullHandleTraits {
    using Handle = H;
    static constexpr Handle Empty() noexcept { return nullptr; }
    static bool IsValid(Handle h) noexcept { return h != nullptr; }
    static void Adopted(Handle) noexcept {}
    static void Disowned(Handle) noexcept {}
};

} // namespace halvane::fw
