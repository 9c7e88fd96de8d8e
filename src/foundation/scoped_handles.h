// Owners for Win32 handles: each owns exactly one handle, releases it in its
// destructor, can be moved but not copied.
#pragma once
#include <windows.h>
#include <utility>

template <typename Traits>
class ScopedHandle {
public:
    using Handle = typename Traits::Handle;
    ScopedHandle() = default;
    explicit ScopedHandle(Handle h) : handle_(h) {}
    ~ScopedHandle() { Reset(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    ScopedHandle(ScopedHandle&& other) noexcept : handle_(other.Release()) {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    Handle Get() const { return handle_; }
    bool IsValid() const { return Traits::IsValid(handle_); }
    explicit operator bool() const { return IsValid(); }
    Handle Release() { Handle h = handle_; handle_ = Traits::Invalid(); return h; }
    void Reset(Handle h = Traits::Invalid()) {
        if (Traits::IsValid(handle_)) Traits::Close(handle_);
        handle_ = h;
    }
private:
    Handle handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseHandle(h); }
};
struct FileHandleTraits {   // CreateFile results: INVALID_HANDLE_VALUE means none
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseHandle(h); }
};
struct RegKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { RegCloseKey(h); }
};
struct ModuleTraits {
    using Handle = HMODULE;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { FreeLibrary(h); }
};

using UniqueHandle = ScopedHandle<KernelHandleTraits>;
using UniqueFileHandle = ScopedHandle<FileHandleTraits>;
using UniqueHKey = ScopedHandle<RegKeyTraits>;
using UniqueHModule = ScopedHandle<ModuleTraits>;
