#pragma once
// Between child windows and the control names.
#include <windows.h>

#include "app/Controls.h"

namespace lifeng::win32 {

// The control a child window of the main window stands for; MainWindow for any other window.
inline Control ControlFromWindow(HWND window) {
    const int index = GetDlgCtrlID(window) - ControlId(Control::MainWindow);
    return index > 0 && index < kControlCount ? static_cast<Control>(index) : Control::MainWindow;
}

}  // namespace lifeng::win32
