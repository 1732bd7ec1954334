#include "e2e/UiDriver.h"

#include <commctrl.h>

#include <vector>

namespace lifeng::e2e {

namespace {

constexpr UINT kSendLimitMs = 5000;

LRESULT SendTimed(HWND w, UINT msg, WPARAM wp, LPARAM lp, bool* ok = nullptr) {
    DWORD_PTR res = 0;
    const bool done = SendMessageTimeoutA(w, msg, wp, lp, SMTO_NORMAL, kSendLimitMs, &res) != 0;
    if (ok) *ok = done;
    return done ? static_cast<LRESULT>(res) : 0;
}

std::string ClassOf(HWND w) {
    char buf[256] = {};
    GetClassNameA(w, buf, sizeof buf);
    return buf;
}

DWORD ProcessOf(HWND w) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    return pid;
}

// First window for which pred holds: top-level ones when parent is null, otherwise every
// descendant of parent (EnumChildWindows recurses).
template <class Pred>
HWND FindWindowWhere(HWND parent, Pred pred) {
    struct Ctx { Pred* pred; HWND found; } ctx{&pred, nullptr};
    const WNDENUMPROC each = [](HWND w, LPARAM lp) -> BOOL {
        auto* c = reinterpret_cast<Ctx*>(lp);
        if (!(*c->pred)(w)) return TRUE;
        c->found = w;
        return FALSE;
    };
    if (parent) EnumChildWindows(parent, each, reinterpret_cast<LPARAM>(&ctx));
    else EnumWindows(each, reinterpret_cast<LPARAM>(&ctx));
    return ctx.found;
}

struct InputAttachment {
    DWORD self, other;
    bool attached;
    explicit InputAttachment(HWND w)
        : self(GetCurrentThreadId()), other(GetWindowThreadProcessId(w, nullptr)),
          attached(other && other != self && AttachThreadInput(self, other, TRUE)) {}
    ~InputAttachment() {
        if (attached) AttachThreadInput(self, other, FALSE);
    }
    InputAttachment(const InputAttachment&) = delete;
    InputAttachment& operator=(const InputAttachment&) = delete;
};

bool IsExtendedKey(WORD vk) {
    switch (vk) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_HOME: case VK_END:
    case VK_PRIOR: case VK_NEXT: case VK_INSERT: case VK_DELETE:
        return true;
    default:
        return false;
    }
}

LPARAM KeyLParam(WORD vk, bool up, bool alt) {
    LPARAM lp = 1 | (static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16);
    if (IsExtendedKey(vk)) lp |= 1 << 24;
    if (alt) lp |= 1 << 29;
    if (up) lp |= 0xC0000000u;
    return lp;
}

INPUT KeyInput(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return in;
}

bool SendInputs(std::vector<INPUT>& ins) {
    return SendInput(static_cast<UINT>(ins.size()), ins.data(), sizeof(INPUT)) == ins.size();
}

}  // namespace

// ---- processes ------------------------------------------------------------

Process Process::Launch(const std::string& exe, const std::string& args, const std::string& workDir) {
    std::string cmd = "\"" + exe + "\"";
    if (!args.empty()) cmd += " " + args;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    Process p;
    if (!CreateProcessA(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workDir.empty() ? nullptr : workDir.c_str(), &si, &pi))
        return p;
    CloseHandle(pi.hThread);
    p.proc_.reset(pi.hProcess);
    p.pid_ = pi.dwProcessId;
    return p;
}

bool Process::Running() const { return proc_ && WaitForSingleObject(proc_.get(), 0) == WAIT_TIMEOUT; }

bool Process::WaitExit(Millis limit) {
    return proc_ && WaitForSingleObject(proc_.get(), static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0;
}

bool Process::WaitExitOrKill(Millis limit) {
    if (WaitExit(limit)) return true;
    Kill();
    return false;
}

void Process::Kill() {
    if (!Running()) return;
    TerminateProcess(proc_.get(), 0xDEAD);
    WaitForSingleObject(proc_.get(), 5000);
}

DWORD Process::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (proc_) GetExitCodeProcess(proc_.get(), &code);
    return code;
}

Process::~Process() { Kill(); }

// ---- windows --------------------------------------------------------------

HWND FindTopWindow(DWORD pid, const char* cls, const char* caption) {
    return FindWindowWhere(nullptr, [&](HWND w) {
        return ProcessOf(w) == pid && IsWindowVisible(w) && (!cls || ClassOf(w) == cls) &&
               (!caption || e2e::CaptionOf(w) == caption);
    });
}

HWND WaitTopWindow(DWORD pid, Millis limit, const char* cls, const char* caption) {
    return WaitFor([&] { return FindTopWindow(pid, cls, caption); }, limit);
}

bool WaitIdle(HWND w, Millis limit) {
    DWORD_PTR res = 0;
    return SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(limit.count()), &res) != 0;
}

bool Settle(HWND w, int posted, Millis limit) {
    for (int i = 0; i <= posted + 1; ++i)
        if (!WaitIdle(w, limit)) return false;
    return true;
}

HWND FindControl(HWND root, int id) {
    return FindWindowWhere(root, [id](HWND w) { return GetDlgCtrlID(w) == id; });
}

std::string TextOf(HWND w) {
    const auto len = SendTimed(w, WM_GETTEXTLENGTH, 0, 0);
    std::string s(static_cast<size_t>(len) + 1, '\0');
    const auto got = SendTimed(w, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<size_t>(got));
    return s;
}

std::string CaptionOf(HWND w) {
    char buf[1024] = {};
    GetWindowTextA(w, buf, sizeof buf);
    return buf;
}

std::pair<int, int> SelectionOf(HWND edit) {
    const auto r = static_cast<DWORD>(SendTimed(edit, EM_GETSEL, 0, 0));
    return {LOWORD(r), HIWORD(r)};
}

void SelectAll(HWND edit) { SendTimed(edit, EM_SETSEL, 0, -1); }

HWND FocusedControl(HWND anyOfThread) {
    GUITHREADINFO gti{};
    gti.cbSize = sizeof gti;
    return GetGUIThreadInfo(GetWindowThreadProcessId(anyOfThread, nullptr), &gti) ? gti.hwndFocus : nullptr;
}

// ---- input ----------------------------------------------------------------

bool Focus(HWND control) {
    {
        InputAttachment attach(control);
        SetForegroundWindow(GetAncestor(control, GA_ROOT));
        SetFocus(control);
    }
    WaitIdle(control);
    return FocusedControl(control) == control;
}

int TypeText(HWND target, std::string_view gbk) {
    int posted = 0;
    for (size_t i = 0; i < gbk.size(); ++i) {
        const bool pair = IsDBCSLeadByte(static_cast<BYTE>(gbk[i])) && i + 1 < gbk.size();
        WCHAR wc = 0;
        MultiByteToWideChar(CP_ACP, 0, gbk.data() + i, pair ? 2 : 1, &wc, 1);
        if (pair) ++i;
        // The W form needs no lead-byte pairing state in either process.
        PostMessageW(target, WM_CHAR, wc, 1);
        ++posted;
    }
    return posted;
}

int PressKey(HWND target, WORD vk) {
    // Posted keys carry no key state; TranslateMessage in the target's loop still turns
    // VK_BACK / VK_ESCAPE / VK_TAB into their WM_CHAR.
    PostMessageA(target, WM_KEYDOWN, vk, KeyLParam(vk, false, false));
    PostMessageA(target, WM_KEYUP, vk, KeyLParam(vk, true, false));
    return 3;
}

bool PressShifted(WORD vk) {
    std::vector<INPUT> ins{KeyInput(VK_SHIFT, false), KeyInput(vk, false), KeyInput(vk, true), KeyInput(VK_SHIFT, true)};
    return SendInputs(ins);
}

int PressAlt(HWND target, char letter) {
    const WORD vk = static_cast<WORD>(letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter);
    PostMessageA(target, WM_SYSKEYDOWN, VK_MENU, KeyLParam(VK_MENU, false, true));
    PostMessageA(target, WM_SYSKEYDOWN, vk, KeyLParam(vk, false, true));
    PostMessageA(target, WM_SYSKEYUP, vk, KeyLParam(vk, true, true));
    PostMessageA(target, WM_KEYUP, VK_MENU, KeyLParam(VK_MENU, true, false));
    return 5;
}

bool Click(HWND control) {
    RECT rc{};
    if (!GetClientRect(control, &rc)) return false;
    {
        InputAttachment attach(control);
        SetForegroundWindow(GetAncestor(control, GA_ROOT));
    }
    // Posted, never sent: the click may open a modal box.
    const LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    return PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at) && PostMessageA(control, WM_LBUTTONUP, 0, at);
}

// ---- message boxes ----------------------------------------------------------

HWND FindMessageBox(DWORD pid) {
    return FindWindowWhere(nullptr, [pid](HWND w) {
        return ProcessOf(w) == pid && IsWindowVisible(w) && ClassOf(w) == "#32770" &&
               GetDlgItem(w, 0xFFFF) && !FindWindowWhere(w, [](HWND c) { return ClassOf(c) == WC_TREEVIEWA; });
    });
}

HWND WaitMessageBox(DWORD pid, Millis limit) {
    return WaitFor([pid] { return FindMessageBox(pid); }, limit);
}

BoxInfo ReadMessageBox(HWND box) {
    BoxInfo info;
    info.wnd = box;
    WaitIdle(box);
    info.caption = CaptionOf(box);
    info.text = TextOf(GetDlgItem(box, 0xFFFF));
    const HWND icon = FindWindowWhere(box, [](HWND c) {
        return ClassOf(c) == "Static" && (GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
    });
    // The box paints after it shows and Wine copies window surfaces to X a little later.
    WaitFor([&] { return (info.icon = IconShown(icon)) != BoxIcon::Unknown; }, 2s);
    return info;
}

bool PressDialogButton(HWND dlg, int id, Millis limit) {
    const HWND button = GetDlgItem(dlg, id);
    if (!button || !Click(button)) return false;
    return WaitFor([dlg] { return !IsWindow(dlg); }, limit);
}

bool NoMessageBox(DWORD pid, Millis quiet) { return WaitMessageBox(pid, quiet) == nullptr; }

// ---- memory in the other process ---------------------------------------------

RemoteBuffer::RemoteBuffer(HWND owner, size_t size)
    : proc_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessOf(owner))) {
    if (proc_) mem_ = VirtualAllocEx(proc_.get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteBuffer::~RemoteBuffer() {
    if (mem_) VirtualFreeEx(proc_.get(), mem_, 0, MEM_RELEASE);
}

bool RemoteBuffer::Write(size_t off, const void* src, size_t n) const {
    SIZE_T done = 0;
    return mem_ && WriteProcessMemory(proc_.get(), at(off), src, n, &done) && done == n;
}

bool RemoteBuffer::Read(size_t off, void* dst, size_t n) const {
    SIZE_T done = 0;
    return mem_ && ReadProcessMemory(proc_.get(), at(off), dst, n, &done) && done == n;
}

// ---- list view and tree: item structures live in the control's process ---------------

namespace {

constexpr size_t kTextMax = 1024;

template <class Item>
std::string RemoteItemText(HWND ctl, UINT msg, WPARAM wp, Item item) {
    RemoteBuffer buf(ctl, sizeof(Item) + kTextMax);
    if (!buf.ok()) return {};
    item.pszText = buf.at(sizeof(Item));
    item.cchTextMax = static_cast<int>(kTextMax);
    const char zero = 0;
    if (!buf.Write(0, &item, sizeof item) || !buf.Write(sizeof item, &zero, 1)) return {};
    bool sent = false;
    SendTimed(ctl, msg, wp, reinterpret_cast<LPARAM>(buf.at(0)), &sent);
    std::string s(kTextMax, '\0');
    if (!sent || !buf.Read(sizeof item, s.data(), s.size())) return {};
    s.resize(s.find('\0'));
    return s;
}

}  // namespace

int ListCount(HWND lv) { return static_cast<int>(SendTimed(lv, LVM_GETITEMCOUNT, 0, 0)); }

std::string ListCell(HWND lv, int row, int col) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = col;
    return RemoteItemText(lv, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), item);
}

// ---- folder browser -----------------------------------------------------------------

HWND FolderTree(HWND dlg) {
    return FindWindowWhere(dlg, [](HWND c) { return ClassOf(c) == WC_TREEVIEWA; });
}

HWND WaitFolderBrowser(DWORD pid, Millis limit) {
    return WaitFor(
        [pid] {
            return FindWindowWhere(nullptr, [pid](HWND w) {
                return ProcessOf(w) == pid && IsWindowVisible(w) && ClassOf(w) == "#32770" && FolderTree(w);
            });
        },
        limit);
}

std::string TreeItemText(HWND tree, HTREEITEM item) {
    TVITEMA tv{};
    tv.mask = TVIF_TEXT | TVIF_HANDLE;
    tv.hItem = item;
    return RemoteItemText(tree, TVM_GETITEMA, 0, tv);
}

HTREEITEM FindTreeItem(HWND tree, std::string_view contains, int maxDepth) {
    auto next = [tree](UINT how, HTREEITEM from) {
        return reinterpret_cast<HTREEITEM>(SendTimed(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(from)));
    };
    std::vector<HTREEITEM> level;
    for (HTREEITEM it = next(TVGN_ROOT, nullptr); it; it = next(TVGN_NEXT, it)) level.push_back(it);
    for (int depth = 0; !level.empty(); ++depth) {
        for (HTREEITEM it : level)
            if (TreeItemText(tree, it).find(contains) != std::string::npos) return it;
        if (depth == maxDepth) break;
        std::vector<HTREEITEM> below;
        for (HTREEITEM it : level) {
            // The dialog fills a folder's children only when it first expands (TVN_ITEMEXPANDING).
            SendTimed(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(it));
            for (HTREEITEM c = next(TVGN_CHILD, it); c; c = next(TVGN_NEXT, c)) below.push_back(c);
        }
        level = std::move(below);
    }
    return nullptr;
}

bool ChooseFolder(HWND dlg, std::string_view contains) {
    const HWND tree = FolderTree(dlg);
    const HTREEITEM item = tree ? FindTreeItem(tree, contains) : nullptr;
    if (!item) return false;
    SendTimed(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    SendTimed(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    if (SendTimed(tree, TVM_GETNEXTITEM, TVGN_CARET, 0) != reinterpret_cast<LRESULT>(item)) return false;
    return PressDialogButton(dlg, IDOK);
}

bool CancelFolder(HWND dlg) { return PressDialogButton(dlg, IDCANCEL); }

// ---- registry -----------------------------------------------------------------

namespace {

struct Key {
    HKEY h = nullptr;
    ~Key() {
        if (h) RegCloseKey(h);
    }
};

bool SetDefault(const std::string& path, const std::string& value) {
    Key k;
    return RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k.h,
                           nullptr) == ERROR_SUCCESS &&
           RegSetValueExA(k.h, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace

bool RegisterOpenHandler(const std::string& ext, const std::string& progId, const std::string& command) {
    const std::string root = "Software\\Classes\\";
    return SetDefault(root + ext, progId) && SetDefault(root + progId + "\\shell\\open\\command", command);
}

}  // namespace lifeng::e2e
