#pragma once
// Owning wrappers for the handles the shell creates. Non-copyable; moving
// hands the handle over.

#include <windows.h>
#include <objbase.h>

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
    // Gives the handle up to a new owner (the clipboard), which releases it.
    Handle Detach() { return std::exchange(handle_, nullptr); }

private:
    Handle handle_ = nullptr;
};

inline BOOL WINAPI ReleaseBitmap(HBITMAP bitmap) { return DeleteObject(bitmap); }
inline BOOL WINAPI ReleaseFont(HFONT font) { return DeleteObject(font); }
inline BOOL WINAPI ReleasePen(HPEN pen) { return DeleteObject(pen); }
inline BOOL WINAPI ReleaseBrush(HBRUSH brush) { return DeleteObject(brush); }

using UniqueBitmap = UniqueHandle<HBITMAP, ReleaseBitmap>;
using UniqueFont = UniqueHandle<HFONT, ReleaseFont>;
using UniquePen = UniqueHandle<HPEN, ReleasePen>;
using UniqueBrush = UniqueHandle<HBRUSH, ReleaseBrush>;
using UniqueEnhMetaFile = UniqueHandle<HENHMETAFILE, DeleteEnhMetaFile>;
using UniqueDC = UniqueHandle<HDC, DeleteDC>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenu>;
using UniqueAccelerators = UniqueHandle<HACCEL, DestroyAcceleratorTable>;
using UniqueIcon = UniqueHandle<HICON, DestroyIcon>;

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

// A window's painting, from BeginPaint to EndPaint, for the calling code's scope.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { EndPaint(window_, &paint_); }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
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

// The calling thread's membership of a single-threaded COM apartment, which
// the shell's folder browser (SHBrowseForFolderA) requires of its thread,
// until the object goes. Moving hands it over; a default object holds none.
class ComApartment {
public:
    ComApartment() = default;
    // Joins one. Where COM cannot be had the object holds none, and only what needs COM fails.
    static ComApartment Enter() {
        ComApartment apartment;
        apartment.entered_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
        return apartment;
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ComApartment(ComApartment&& other) noexcept : entered_(std::exchange(other.entered_, false)) {}
    ComApartment& operator=(ComApartment&& other) noexcept {
        if (this != &other) {
            Leave();
            entered_ = std::exchange(other.entered_, false);
        }
        return *this;
    }
    ~ComApartment() { Leave(); }

private:
    void Leave() {
        if (std::exchange(entered_, false)) CoUninitialize();
    }

    bool entered_ = false;
};
