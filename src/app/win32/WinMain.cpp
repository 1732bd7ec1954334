// LifengWorkshop.exe: start, message loop and end.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "app/win32/MainWindow.h"
#include "app/win32/Win32Platform.h"
#include "config/IniProfile.h"

namespace {

using namespace lifeng;

int Run(HINSTANCE instance, const std::string& runDirectory) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    win32::MainWindow window;
    win32::Win32Platform platform(runDirectory, window);
    App app{window, platform, SystemIniProfile()};
    if (!window.Create(instance, app)) return 1;  // ends at once, without a message
    window.Start();
    ShowWindow(window.handle(), SW_SHOW);
    SetForegroundWindow(window.handle());

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) platform.Dispatch(message);
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const std::string runDirectory = win32::ModuleDirectory();
    // "C:" alone would name the drive's current directory rather than its root.
    SetCurrentDirectoryA((runDirectory.empty() || runDirectory.back() == ':' ? runDirectory + "\\" : runDirectory).c_str());
    const bool comReady = SUCCEEDED(OleInitialize(nullptr));
    int exitCode = 1;
    try {
        exitCode = Run(instance, runDirectory);
    } catch (...) {
        // Nothing to save and nobody to tell: the window's state is all there is.
    }
    if (comReady) OleUninitialize();
    return exitCode;
}
