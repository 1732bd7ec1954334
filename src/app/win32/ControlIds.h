#pragma once
// Between child windows and the control names, and a window's text.
#include <windows.h>

#include <string>

#include "app/Controls.h"

namespace lifeng::win32 {

// The control a child window of the main window stands for; MainWindow for any other window.
inline Control ControlFromWindow(HWND window) {
    const int index = GetDlgCtrlID(window) - ControlId(Control::MainWindow);
    return index > 0 && index < kControlCount ? static_cast<Control>(index) : Control::MainWindow;
}

// The whole text of a window or control, GBK.
inline std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace lifeng::win32
