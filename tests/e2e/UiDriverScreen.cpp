// Reading what is on screen: single pixels and the icon a message box shows.
#include "e2e/UiDriver.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace lifeng::e2e {

namespace {

struct ScreenDC {
    HDC dc = GetDC(nullptr);
    ~ScreenDC() { ReleaseDC(nullptr, dc); }
};

// 32-bit top-down DIB we can read pixels of directly.
struct Dib {
    HDC dc = nullptr;
    HBITMAP bmp = nullptr, old = nullptr;
    DWORD* bits = nullptr;
    int w = 0, h = 0;
    Dib(int width, int height) : w(width), h(height) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = w;
        bi.bmiHeader.biHeight = -h;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        dc = CreateCompatibleDC(nullptr);
        void* p = nullptr;
        bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &p, nullptr, 0);
        bits = static_cast<DWORD*>(p);
        if (bmp) old = static_cast<HBITMAP>(SelectObject(dc, bmp));
    }
    ~Dib() {
        if (old) SelectObject(dc, old);
        if (bmp) DeleteObject(bmp);
        if (dc) DeleteDC(dc);
    }
    Dib(const Dib&) = delete;
    Dib& operator=(const Dib&) = delete;
    bool ok() const { return bits != nullptr; }
};

// Pixels whose colour differs clearly; anti-aliased icon edges stay below the threshold.
int DifferingPixels(const Dib& a, const Dib& b) {
    int n = 0;
    for (int i = 0; i < a.w * a.h; ++i)
        for (int s = 0; s < 24; s += 8)
            if (std::abs(static_cast<int>((a.bits[i] >> s) & 0xFF) - static_cast<int>((b.bits[i] >> s) & 0xFF)) > 40) {
                ++n;
                break;
            }
    return n;
}

}  // namespace

COLORREF ScreenPixel(HWND w, POINT client) {
    if (!ClientToScreen(w, &client)) return CLR_INVALID;
    ScreenDC screen;
    return GetPixel(screen.dc, client.x, client.y);
}

std::vector<COLORREF> ClientPixels(HWND w) {
    RECT rc{};
    POINT origin{0, 0};
    if (!GetClientRect(w, &rc) || !ClientToScreen(w, &origin) || rc.right <= 0 || rc.bottom <= 0) return {};
    Dib shot(rc.right, rc.bottom);
    if (!shot.ok()) return {};
    {
        ScreenDC screen;
        BitBlt(shot.dc, 0, 0, rc.right, rc.bottom, screen.dc, origin.x, origin.y, SRCCOPY);
    }
    GdiFlush();
    std::vector<COLORREF> pixels(static_cast<size_t>(rc.right) * static_cast<size_t>(rc.bottom));
    for (size_t i = 0; i < pixels.size(); ++i) {
        const DWORD bgr = shot.bits[i];  // the DIB holds 0x00RRGGBB
        pixels[i] = RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }
    return pixels;
}

// Icon handles are per process under Wine (STM_GETICON's handle never equals our LoadIcon's),
// so the shown icon is recognised by its pixels: each candidate is drawn on the static's
// background colour (its corner is transparent in every system icon) and compared.
BoxIcon IconShown(HWND iconStatic) {
    DWORD_PTR icon = 0;
    if (!iconStatic || !IsWindowVisible(iconStatic) ||
        !SendMessageTimeoutA(iconStatic, STM_GETICON, 0, 0, SMTO_NORMAL, 5000, &icon) || !icon)
        return BoxIcon::None;
    RECT rc{};
    GetClientRect(iconStatic, &rc);
    POINT org{0, 0};
    ClientToScreen(iconStatic, &org);
    const int w = rc.right, h = rc.bottom;
    if (w <= 0 || h <= 0) return BoxIcon::Unknown;
    Dib shot(w, h);
    if (!shot.ok()) return BoxIcon::Unknown;
    {
        ScreenDC screen;
        BitBlt(shot.dc, 0, 0, w, h, screen.dc, org.x, org.y, SRCCOPY);
    }
    GdiFlush();
    const std::array<std::pair<LPCSTR, BoxIcon>, 4> candidates{{{IDI_HAND, BoxIcon::Error},
                                                               {IDI_EXCLAMATION, BoxIcon::Warning},
                                                               {IDI_ASTERISK, BoxIcon::Information},
                                                               {IDI_QUESTION, BoxIcon::Question}}};
    BoxIcon best = BoxIcon::Unknown;
    int bestCount = w * h, second = w * h;
    for (const auto& [id, kind] : candidates) {
        Dib drawn(w, h);
        if (!drawn.ok()) continue;
        std::fill(drawn.bits, drawn.bits + w * h, shot.bits[0]);
        DrawIconEx(drawn.dc, 0, 0, LoadIconA(nullptr, id), 0, 0, 0, nullptr, DI_NORMAL);
        GdiFlush();
        const int n = DifferingPixels(shot, drawn);
        if (n < bestCount) {
            second = bestCount;
            bestCount = n;
            best = kind;
        } else if (n < second) {
            second = n;
        }
    }
    // An unpainted static matches nothing well.
    return bestCount <= w * h / 50 && second > 4 * bestCount + 10 ? best : BoxIcon::Unknown;
}

}  // namespace lifeng::e2e
