#pragma once
// Owners for GDI objects and device contexts, so every exit path gives them back.
#include <windows.h>

namespace lifeng::win32 {

// Owns a GDI object (brush, pen, bitmap, font) and deletes it.
template <typename Handle>
class GdiObject {
public:
    explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    Handle get() const { return handle_; }
    void Reset(Handle handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_;
};

// Selects an object into a DC for the lifetime of this value.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint and EndPaint.
class PaintContext {
public:
    explicit PaintContext(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintContext() { EndPaint(window_, &paint_); }
    PaintContext(const PaintContext&) = delete;
    PaintContext& operator=(const PaintContext&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

}  // namespace lifeng::win32
