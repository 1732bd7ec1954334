#include "app/win32/MainWindow.h"

#include <algorithm>
#include <iterator>

#include "app/EventTable.h"
#include "app/NumericField.h"
#include "app/WindowDescription.h"
#include "app/win32/ControlIds.h"
#include "app/win32/SelfDrawn.h"

namespace lifeng::win32 {
namespace {

constexpr char kMainClass[] = "LifengWorkshopMain";

bool RegisterMainClass(HINSTANCE instance, WNDPROC proc) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "DEFAULT_ICON");
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kMainClass;
    return RegisterClassExA(&windowClass) != 0;
}

}  // namespace

MainWindow::~MainWindow() {
    if (window_) DestroyWindow(window_);
}

bool MainWindow::Create(HINSTANCE instance, App& app) {
    instance_ = instance;
    app_ = &app;
    if (!RegisterMainClass(instance, Proc) || !RegisterSelfDrawnClasses(instance)) return false;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
    window_ = CreateWindowExA(0, kMainClass, kWindowTitle.data(), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                              x, y, kWindowWidth, kWindowHeight, nullptr, nullptr, instance, this);
    if (!window_) return false;
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return BuildControls();
}

bool MainWindow::BuildControls() {
    statusPicture_ = std::make_unique<StatusPicture>(instance_);
    for (const ControlDescription& d : WindowDescription()) {
        HWND parent = d.container == Control::MainWindow ? window_ : At(d.container);
        HWND control = CreateControl(d, parent, instance_);
        if (!control) return false;
        controls_[static_cast<size_t>(d.name)] = control;
        if (d.kind == ControlKind::EditBox) {
            EditPaint& paint = PaintOf(d.name);
            paint.text = d.text.colour;
            paint.back = d.background.colour;
            paint.brush.Reset(CreateSolidBrush(d.background.colour));
        }
        if (d.kind == ControlKind::StatusBar) {
            SendMessageA(control, SB_SETICON, 0, reinterpret_cast<LPARAM>(statusPicture_->icon()));
            SendMessageA(control, WM_SIZE, 0, 0);  // docks itself along the bottom edge
        }
    }
    // Each control lies under the one listed before it in the same container.
    for (auto d = WindowDescription().begin(); d != WindowDescription().end(); ++d) {
        auto above = std::find_if(std::make_reverse_iterator(d), WindowDescription().rend(),
                                  [&](const ControlDescription& other) { return other.container == d->container; });
        HWND insertAfter = above == WindowDescription().rend() ? HWND_TOP : At(above->name);
        SetWindowPos(At(d->name), insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    for (const ControlDescription& d : WindowDescription()) {
        if (d.visible) ShowWindow(At(d.name), SW_SHOWNA);
    }
    return true;
}

void MainWindow::Start() {
    eventsOn_ = true;
    Raise(Control::MainWindow, Event::Created);
}

// WM_NCCREATE carries the this pointer given to CreateWindowEx; no exception crosses into Win32.
LRESULT CALLBACK MainWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam) OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
    case WM_HSCROLL:
        if (lParam) OnScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return OnEditColour(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CLOSE:
        // The close request is always granted; from here on no handler runs, not even for the
        // tidying of a box that loses the focus as the window goes.
        eventsOn_ = false;
        break;
    case WM_DESTROY:
        eventsOn_ = false;
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        window_ = nullptr;
        break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

void MainWindow::OnCommand(HWND control, UINT code) {
    const Control name = ControlFromWindow(control);
    if (name == Control::MainWindow || At(name) != control) return;
    const ControlDescription& d = Describe(name);
    if (d.kind == ControlKind::PushButton && code == BN_CLICKED) Raise(name, Event::Clicked);
    if (d.kind != ControlKind::EditBox) return;
    if (code == EN_CHANGE && !systemWrite_[static_cast<size_t>(name)]) Raise(name, Event::TextChanged);
    if (code == EN_KILLFOCUS && d.input == InputKind::Integer && eventsOn_) TidyOnFocusLoss(name);
}

// Every movement notice but the one that only ends a movement; the stored value follows the thumb first.
void MainWindow::OnScroll(HWND control, UINT code) {
    if (control != At(Control::滑块条1) || code == TB_ENDTRACK) return;
    position_ = static_cast<int32_t>(SendMessageA(control, TBM_GETPOS, 0, 0));
    Raise(Control::滑块条1, Event::PositionChanged);
}

// Edit boxes ask their parent for their colours as they paint; read-only ones ask as statics.
LRESULT MainWindow::OnEditColour(UINT message, HDC dc, HWND control) {
    const Control name = ControlFromWindow(control);
    if (name == Control::MainWindow || At(name) != control || Describe(name).kind != ControlKind::EditBox) {
        return DefWindowProcA(window_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    }
    EditPaint& paint = PaintOf(name);
    SetTextColor(dc, paint.text);
    SetBkColor(dc, paint.back);
    return reinterpret_cast<LRESULT>(paint.brush.get());
}

void MainWindow::TidyOnFocusLoss(Control box) {
    const std::string text = ReadText(box);
    const std::string tidied = TidyIntegerText(text);
    if (tidied == text) return;
    DWORD selectionStart = 0;
    SendMessageA(At(box), EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart), 0);
    WriteText(box, tidied);
    SendMessageA(At(box), EM_SETSEL, selectionStart, selectionStart);  // past the end means at the end
}

void MainWindow::Raise(Control control, Event event) {
    if (eventsOn_) RaiseEvent(*app_, control, event);
}

bool MainWindow::TranslateKeys(const MSG& message) {
    if (!window_ || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        PostMessageA(window_, WM_CLOSE, 0, 0);
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
        MoveFocus(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    if (message.message == WM_SYSCHAR) {
        const wchar_t letter = static_cast<wchar_t>(message.wParam | 0x20);  // either case
        const Control button = letter == L's' ? Control::按钮_生成 : letter == L'r' ? Control::按钮_重新读取 : Control::MainWindow;
        if (button == Control::MainWindow) return false;
        // Like a mouse click: the button takes the focus before its click is handled.
        SendMessageA(At(button), BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

void MainWindow::MoveFocus(bool backwards) {
    const HWND focus = GetFocus();
    const auto count = static_cast<int>(std::size(kTabOrder));
    int current = backwards ? 0 : count - 1;  // from outside the order, Tab starts at the first control
    for (int i = 0; i < count; ++i) {
        if (At(kTabOrder[i]) == focus) current = i;
    }
    const Control next = kTabOrder[(current + (backwards ? count - 1 : 1)) % count];
    SetFocus(At(next));
    if (Describe(next).kind == ControlKind::EditBox) SendMessageA(At(next), EM_SETSEL, 0, -1);
}

std::string MainWindow::ReadTitle() { return WindowText(window_); }

std::string MainWindow::ReadText(Control box) { return WindowText(At(box)); }

void MainWindow::WriteText(Control box, std::string_view text) {
    const std::string terminated(text);
    systemWrite_[static_cast<size_t>(box)] = true;
    SendMessageA(At(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
    systemWrite_[static_cast<size_t>(box)] = false;
    Raise(box, Event::TextChanged);
}

void MainWindow::WriteTextColour(Control box, Colour colour) {
    PaintOf(box).text = colour;
    InvalidateRect(At(box), nullptr, TRUE);
}

void MainWindow::WriteBackColour(Control box, Colour colour) {
    EditPaint& paint = PaintOf(box);
    paint.back = colour;
    paint.brush.Reset(CreateSolidBrush(colour));
    RedrawWindow(At(box), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void MainWindow::AppendText(Control box, std::string_view text) {
    const std::string terminated(text);
    HWND control = At(box);
    const auto end = static_cast<WPARAM>(GetWindowTextLengthA(control));
    systemWrite_[static_cast<size_t>(box)] = true;
    SendMessageA(control, EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageA(control, EM_SCROLLCARET, 0, 0);
    SendMessageA(control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(terminated.c_str()));
    systemWrite_[static_cast<size_t>(box)] = false;
}

void MainWindow::CaretToEnd(Control box) {
    const auto end = static_cast<WPARAM>(ReadText(box).size());
    SendMessageA(At(box), EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageA(At(box), EM_SCROLLCARET, 0, 0);
}

int32_t MainWindow::ReadSelectedIndex(Control combo) {
    return static_cast<int32_t>(SendMessageA(At(combo), CB_GETCURSEL, 0, 0));
}

int32_t MainWindow::ReadPosition(Control) { return position_; }

void MainWindow::WritePosition(Control slider, int32_t position) {
    position_ = std::clamp(position, 0, kSliderValueMaximum);
    SendMessageA(At(slider), TBM_SETPOS, TRUE, std::min(position_, kSliderMaximum));
}

void MainWindow::ClearList(Control list) { SendMessageA(At(list), LVM_DELETEALLITEMS, 0, 0); }

void MainWindow::AddListRow(Control list, std::string_view firstColumn) {
    const std::string text(firstColumn);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(SendMessageA(At(list), LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(At(list), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void MainWindow::SetListCell(Control list, int row, int column, std::string_view text) {
    const std::string terminated(text);
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(terminated.c_str());
    SendMessageA(At(list), LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

}  // namespace lifeng::win32
