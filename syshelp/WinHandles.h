// Owners of the file and search handles that the helpers open: each handle
// is released exactly once, on every path out of the scope that opened it.
// Registry keys have their own owner, RegKey (Registry.h).
// Windows-only; nothing outside syshelp/ and its tests includes this header.
#pragma once

#include <windows.h>

#include <utility>

namespace acutils {

// Owns one handle of a kind described by Traits: Traits::Invalid() is the
// value that means "no handle", Traits::Close(h) releases one.
template <typename Traits> class UniqueWinHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueWinHandle() = default;
    explicit UniqueWinHandle(Handle handle) : handle_(handle) {}
    ~UniqueWinHandle() { Reset(); }

    UniqueWinHandle(const UniqueWinHandle&) = delete;
    UniqueWinHandle& operator=(const UniqueWinHandle&) = delete;
    UniqueWinHandle(UniqueWinHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueWinHandle& operator=(UniqueWinHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    bool IsValid() const { return handle_ != Traits::Invalid(); }
    Handle Get() const { return handle_; }

    // Gives the handle up without closing it.
    Handle Release() { return std::exchange(handle_, Traits::Invalid()); }

    void Reset(Handle handle = Traits::Invalid()) {
        const Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid()) Traits::Close(old);
    }

private:
    Handle handle_ = Traits::Invalid();
};

// A file handle from CreateFileA: INVALID_HANDLE_VALUE means none.
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) { ::CloseHandle(handle); }
};
using UniqueFileHandle = UniqueWinHandle<FileHandleTraits>;

// A search handle from FindFirstFileA, closed with FindClose, not CloseHandle.
struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) { ::FindClose(handle); }
};
using UniqueFindHandle = UniqueWinHandle<FindHandleTraits>;

} // namespace acutils
