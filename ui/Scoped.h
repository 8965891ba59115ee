// An owner for a Windows handle of any kind, closed by the given function once it goes
// out of scope; the invalid value is not closed.
#pragma once

#include <utility>

template <class Handle, auto Close, Handle Invalid = Handle{}> class Scoped {
public:
    Scoped() = default;
    explicit Scoped(Handle handle) : handle_(handle) {}
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;
    Scoped(Scoped&& other) noexcept : handle_(std::exchange(other.handle_, Invalid)) {}
    Scoped& operator=(Scoped&& other) noexcept {
        Reset(std::exchange(other.handle_, Invalid));
        return *this;
    }
    ~Scoped() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Invalid; }
    Handle Release() { return std::exchange(handle_, Invalid); }
    void Reset(Handle handle = Invalid) {
        if (handle_ != Invalid) {
            Close(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = Invalid;
};
