// Owner of one COM interface reference: released exactly once, moved but never copied.
#pragma once

#include <unknwn.h>

#include <utility>

namespace feedbacklib {

template <class T> class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(ComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            m_p = std::exchange(other.m_p, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { Reset(); }

    T* Get() const noexcept { return m_p; }
    T* operator->() const noexcept { return m_p; }
    explicit operator bool() const noexcept { return m_p != nullptr; }

    // For a call that hands out a new reference; the one held before is released first.
    T** Receive() noexcept {
        Reset();
        return &m_p;
    }
    void** ReceiveVoid() noexcept { return reinterpret_cast<void**>(Receive()); }

    // Empty when the object does not offer U.
    template <class U> ComPtr<U> As() const noexcept {
        ComPtr<U> other;
        if (m_p != nullptr && FAILED(m_p->QueryInterface(__uuidof(U), other.ReceiveVoid())))
            other.Reset();
        return other;
    }

    void Reset() noexcept {
        if (m_p != nullptr)
            std::exchange(m_p, nullptr)->Release();
    }

private:
    T* m_p = nullptr;
};

} // namespace feedbacklib
