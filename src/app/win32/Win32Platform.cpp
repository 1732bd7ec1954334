#include "app/win32/Win32Platform.h"

#include <shellapi.h>
#include <shlobj.h>

#include "app/Files.h"
#include "app/WindowsPath.h"
#include "app/win32/MainWindow.h"

namespace lifeng::win32 {

std::string ModuleDirectory() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);  // a long path: try a larger buffer
    }
    return CutAtLastSeparator(path);
}

void Win32Platform::ShowMessage(const Message& message) {
    const std::string text(message.text), caption(message.caption);
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK | message.flags);
}

std::string Win32Platform::ChooseFolder(std::string_view instruction) {
    const std::string title(instruction);
    char displayName[MAX_PATH] = {};
    BROWSEINFOA browse{};
    browse.hwndOwner = GetActiveWindow();
    browse.pszDisplayName = displayName;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_EDITBOX;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&browse);
    if (!chosen) return {};
    char path[MAX_PATH] = {};
    const bool hasPath = SHGetPathFromIDListA(chosen, path);
    IMalloc* shellMalloc = nullptr;
    if (SUCCEEDED(SHGetMalloc(&shellMalloc))) {
        shellMalloc->Free(chosen);
        shellMalloc->Release();
    }
    return hasPath ? std::string(path) : std::string();
}

bool Win32Platform::EntryExists(const std::string& path) { return files::EntryExists(path); }

bool Win32Platform::WriteFile(const std::string& path, std::string_view bytes) {
    return files::ReplaceWhole(path, bytes);
}

void Win32Platform::OpenWithDefaultProgram(const std::string& path) {
    ShellExecuteA(nullptr, "open", path.c_str(), nullptr, "", SW_SHOWNORMAL);
}

// Handles what is already queued and never waits; a WM_QUIT stays queued for the main loop.
void Win32Platform::HandlePendingEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) break;
        Dispatch(message);
    }
}

// Messages go through the W functions: under Wine an A loop splits a typed Chinese character
// into two bytes that the edit boxes then take one by one.
void Win32Platform::Dispatch(const MSG& message) {
    if (window_.TranslateKeys(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace lifeng::win32
