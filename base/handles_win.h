#pragma once
// Small owning wrappers for platform handles: each frees its handle exactly once.
#include <windows.h>

#include <cstdint>
#include <utility>

namespace tolsy {

template <class Handle, class Traits>
class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, Handle{}));
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    Handle release() { return std::exchange(handle_, Handle{}); }
    void reset(Handle handle = Handle{}) {
        if (handle_ != Handle{}) Traits::close(handle_);
        handle_ = handle;
    }

  private:
    Handle handle_{};
};

struct GdiObjectTraits {
    static void close(HGDIOBJ object) { DeleteObject(object); }
};
struct MemoryDcTraits {
    static void close(HDC dc) { DeleteDC(dc); }
};
struct ModuleTraits {
    static void close(HMODULE module) { FreeLibrary(module); }
};
struct KernelHandleTraits {
    static void close(HANDLE handle) { CloseHandle(handle); }
};

using UniqueFont = UniqueHandle<HFONT, GdiObjectTraits>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectTraits>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectTraits>;
using UniqueRegion = UniqueHandle<HRGN, GdiObjectTraits>;
using UniqueMemoryDc = UniqueHandle<HDC, MemoryDcTraits>;
using UniqueModule = UniqueHandle<HMODULE, ModuleTraits>;
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;

// A 32-bit top-down DIB section whose pixels are laid out like our images (0xAARRGGBB, rows from
// the top). Empty, with *bits null, when it cannot be made.
inline UniqueBitmap create_dib_section(int width, int height, std::uint32_t** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0));
    if (!bitmap || memory == nullptr) {
        *bits = nullptr;
        return {};
    }
    *bits = static_cast<std::uint32_t*>(memory);
    return bitmap;
}

// A window's (or the screen's, with no window) device context, released on scope exit.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// A window's paint, begun on construction and ended on every way out of the paint handler.
class PaintScope {
  public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(window_, &paint_); }
    HDC dc() const { return dc_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Gives a window its region; the window owns the region only when that succeeds, else it is
// freed here.
inline bool set_window_region(HWND window, UniqueRegion region, bool redraw) {
    if (!region || !SetWindowRgn(window, region.get(), redraw ? TRUE : FALSE)) return false;
    region.release();
    return true;
}

// Selects an object into a device context and puts the previous one back on scope exit.
class SelectObjectScope {
  public:
    SelectObjectScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;
    ~SelectObjectScope() { SelectObject(dc_, previous_); }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace tolsy
