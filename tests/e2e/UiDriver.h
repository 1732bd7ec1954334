// Drives a Win32 program of another process the way an operator would.
// Texts are ANSI bytes of the process code page (GBK under code page 936).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <string_view>
#include <thread>  // brings std::chrono durations; full <chrono> fails to build with
                   // -fexec-charset=GBK (C++20 libstdc++ has a "\u00b5s" literal)
#include <utility>
#include <vector>

namespace lifeng::e2e {

using Millis = std::chrono::milliseconds;
using namespace std::chrono_literals;

struct HandleCloser {
    void operator()(HANDLE h) const noexcept {
        if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// Polls f() until it yields something truthy or the limit passes; returns the last value.
template <class F>
auto WaitFor(F&& f, Millis limit, Millis step = 20ms) -> decltype(f()) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        auto v = f();
        if (v || std::chrono::steady_clock::now() >= end) return v;
        std::this_thread::sleep_for(step);
    }
}

// ---- processes ------------------------------------------------------------

class Process {
public:
    Process() = default;
    // The command line is the quoted exe, then args; an empty workDir keeps ours. !ok() on failure.
    static Process Launch(const std::string& exe, const std::string& args, const std::string& workDir);

    bool ok() const { return proc_ != nullptr; }
    DWORD id() const { return pid_; }
    bool Running() const;
    bool WaitExit(Millis limit);
    // Waits; kills on timeout. True when it ended by itself.
    bool WaitExitOrKill(Millis limit);
    void Kill();
    DWORD ExitCode() const;

    Process(Process&&) = default;
    Process& operator=(Process&&) = default;
    ~Process();

private:
    UniqueHandle proc_;
    DWORD pid_ = 0;
};

// ---- windows --------------------------------------------------------------

// Visible top-level window of pid; cls / caption filter when non-null (exact match).
HWND FindTopWindow(DWORD pid, const char* cls = nullptr, const char* caption = nullptr);
HWND WaitTopWindow(DWORD pid, Millis limit, const char* cls = nullptr, const char* caption = nullptr);
// True once every message sent to w's thread before has been handled.
bool WaitIdle(HWND w, Millis limit = 5s);
// Posted input is handled after sent messages; each round trip lets the loop take at
// least one posted message, so `posted` is how many were queued.
bool Settle(HWND w, int posted, Millis limit = 5s);

HWND FindControl(HWND root, int id);    // any depth below root
std::string TextOf(HWND w);               // WM_GETTEXT
std::string CaptionOf(HWND w);            // GetWindowTextA
std::pair<int, int> SelectionOf(HWND edit);
void SelectAll(HWND edit);
HWND FocusedControl(HWND anyOfThread);  // that thread's focus (GetGUIThreadInfo)
COLORREF ScreenPixel(HWND w, POINT client);  // 0x00BBGGRR, CLR_INVALID on failure
// Every pixel of w's client area as the screen shows it, row by row; empty on failure.
std::vector<COLORREF> ClientPixels(HWND w);

// ---- input ----------------------------------------------------------------

// Attaches to the control's input queue, brings its top-level forward and focuses it.
bool Focus(HWND control);
// Posted to target. GBK bytes; a lead+trail pair is one character. Each returns how many
// messages it posted (for Settle).
int TypeText(HWND target, std::string_view gbk);
int PressKey(HWND target, WORD vk);
int PressAlt(HWND target, char letter);
// Posted keys carry no modifier state, so Shift+key goes through SendInput to whatever has the
// focus, and arrives later through the server: poll for its effect.
bool PressShifted(WORD vk);
// A user click at the control's centre: the control takes the focus before it handles the click.
bool Click(HWND control);

// ---- message boxes ----------------------------------------------------------

enum class BoxIcon { None, Error, Warning, Information, Question, Unknown };

struct BoxInfo {
    HWND wnd = nullptr;
    std::string text, caption;
    BoxIcon icon = BoxIcon::None;
};

// What an SS_ICON static shows, recognised by its pixels on screen.
BoxIcon IconShown(HWND iconStatic);

HWND FindMessageBox(DWORD pid);
HWND WaitMessageBox(DWORD pid, Millis limit);
BoxInfo ReadMessageBox(HWND box);
// Clicks (posted) the button `id` of a box or dialog and waits until the window is gone.
bool PressDialogButton(HWND dlg, int id, Millis limit = 5s);
inline bool CloseMessageBox(HWND box, Millis limit = 5s) { return PressDialogButton(box, IDOK, limit); }
// True when no box shows up during `quiet`.
bool NoMessageBox(DWORD pid, Millis quiet);

// ---- memory in the other process ---------------------------------------------

class RemoteBuffer {
public:
    RemoteBuffer(HWND owner, size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    bool ok() const { return mem_ != nullptr; }
    char* at(size_t off) const { return static_cast<char*>(mem_) + off; }
    bool Write(size_t off, const void* src, size_t n) const;
    bool Read(size_t off, void* dst, size_t n) const;

private:
    UniqueHandle proc_;
    void* mem_ = nullptr;
};

// ---- list view ----------------------------------------------------------------

int ListCount(HWND lv);
std::string ListCell(HWND lv, int row, int col);

// ---- folder browser (SHBrowseForFolder) -------------------------------------------

HWND WaitFolderBrowser(DWORD pid, Millis limit);
HWND FolderTree(HWND dlg);
std::string TreeItemText(HWND tree, HTREEITEM item);
// Level by level, expanding a level only when the one above has no match.
HTREEITEM FindTreeItem(HWND tree, std::string_view contains, int maxDepth = 3);
bool ChooseFolder(HWND dlg, std::string_view contains);
bool CancelFolder(HWND dlg);

// ---- registry -----------------------------------------------------------------

// HKLM\Software\Classes\<ext> -> progId, progId\shell\open\command = command.
// Wine 8's ShellExecute ignores HKCU\Software\Classes.
bool RegisterOpenHandler(const std::string& ext, const std::string& progId, const std::string& command);

}  // namespace lifeng::e2e
