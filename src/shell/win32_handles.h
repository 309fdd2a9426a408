#pragma once
// Owning wrappers for the handles the shell creates. Non-copyable; moving
// hands the handle over.

#include <windows.h>

#include <utility>

template <typename Handle, BOOL(WINAPI* Release)(Handle)>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(Handle handle = nullptr) {
        if (handle_ != nullptr) Release(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

inline BOOL WINAPI ReleaseBitmap(HBITMAP bitmap) { return DeleteObject(bitmap); }
inline BOOL WINAPI ReleaseFont(HFONT font) { return DeleteObject(font); }
inline BOOL WINAPI ReleasePen(HPEN pen) { return DeleteObject(pen); }

using UniqueBitmap = UniqueHandle<HBITMAP, ReleaseBitmap>;
using UniqueFont = UniqueHandle<HFONT, ReleaseFont>;
using UniquePen = UniqueHandle<HPEN, ReleasePen>;
using UniqueDC = UniqueHandle<HDC, DeleteDC>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenu>;
using UniqueAccelerators = UniqueHandle<HACCEL, DestroyAcceleratorTable>;

// A screen device context for the calling code's scope.
class ScreenDC {
public:
    ScreenDC() : dc_(GetDC(nullptr)) {}
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    ~ScreenDC() {
        if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
    }
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// An object selected into a device context for the calling code's scope;
// the one it replaced comes back at the end.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Shows the wait cursor until the scope ends, then the previous cursor.
class WaitCursor {
public:
    WaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { SetCursor(previous_); }

private:
    HCURSOR previous_;
};
