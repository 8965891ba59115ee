// An owning COM interface pointer: released once, whatever path leaves the scope.
#pragma once

#include <objbase.h>

#include <utility>

template <class Interface> class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        Reset();
        pointer_ = std::exchange(other.pointer_, nullptr);
        return *this;
    }
    ~ComPtr() { Reset(); }

    Interface* Get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    // For functions that hand out a new reference through an out parameter.
    void** Put() {
        Reset();
        return reinterpret_cast<void**>(&pointer_);
    }

    template <class Other> ComPtr<Other> Query(REFIID iid) const {
        ComPtr<Other> other;
        if (pointer_) {
            pointer_->QueryInterface(iid, other.Put());
        }
        return other;
    }

    void Reset() {
        if (pointer_) {
            std::exchange(pointer_, nullptr)->Release();
        }
    }

private:
    Interface* pointer_ = nullptr;
};
