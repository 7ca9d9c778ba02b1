#pragma once

#include <windows.h>

#include <utility>

namespace karusello::win32 {

// A kernel object's handle (process, thread, file, pipe, mutex) that closes itself. Null and
// INVALID_HANDLE_VALUE both mean none: the functions that make handles fail with one or the
// other.
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, nullptr));
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    void Reset(HANDLE handle = nullptr) {
        if (Valid()) {
            ::CloseHandle(handle_);
        }
        handle_ = handle;
    }
    // For a function that hands a new handle out through a pointer; the old one is closed.
    HANDLE* Out() {
        Reset();
        return &handle_;
    }

private:
    HANDLE handle_ = nullptr;
};

} // namespace karusello::win32
