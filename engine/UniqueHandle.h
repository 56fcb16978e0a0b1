// Owns a kernel handle; closes it once.
#pragma once
#include <windows.h>

#include <utility>

namespace halvane {

class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE h) noexcept : m_h(h) {}
    UniqueHandle(UniqueHandle&& other) noexcept : m_h(std::exchange(other.m_h, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            Reset(std::exchange(other.m_h, nullptr));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Reset(); }

    HANDLE Get() const noexcept { return m_h; }
    HANDLE* Receive() noexcept {
        Reset();
        return &m_h;
    }
    void Reset(HANDLE h = nullptr) noexcept {
        if (m_h != nullptr && m_h != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_h);
        m_h = h;
    }
    explicit operator bool() const noexcept { return m_h != nullptr && m_h != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_h = nullptr;
};

} // namespace halvane
