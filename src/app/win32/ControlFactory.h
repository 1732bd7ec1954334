#pragma once
// Makes one control of the main window from its description: window class, styles, and the
// settings of its kind (items, ranges, columns, colours, font).
#include <windows.h>
#include <commctrl.h>

#include "app/WindowDescription.h"

namespace lifeng::win32 {

// Created without WS_VISIBLE; nullptr when the system refuses.
HWND CreateControl(const ControlDescription& description, HWND parent, HINSTANCE instance);

// The status bar's own picture, as an image list of one 16 x 15 image, and the icon shown from
// it. Destroyed with this value, after the window.
class StatusPicture {
public:
    explicit StatusPicture(HINSTANCE instance);
    ~StatusPicture();
    StatusPicture(const StatusPicture&) = delete;
    StatusPicture& operator=(const StatusPicture&) = delete;
    HICON icon() const { return icon_; }

private:
    HIMAGELIST images_ = nullptr;
    HICON icon_ = nullptr;
};

}  // namespace lifeng::win32
