#include "e2e/Workshop.h"

#include <cstdio>

namespace lifeng::e2e {
std::string SettingsNaming(std::string_view serverDirectory) {
    return "[软件设置]\r\n服务端路径=" + std::string(serverDirectory) + "\r\n";
}

std::string DemoServer() { return LIFENG_DEMO_SERVER; }

std::vector<std::string> TakeOpenedFiles() {
    const std::string log = LIFENG_OPENED_LOG;
    const std::string content = test::ReadFileBytes(log).value_or("");
    DeleteFileA(log.c_str());
    std::vector<std::string> opened;
    for (size_t start = 0, end; (end = content.find("\r\n", start)) != std::string::npos; start = end + 2) {
        opened.push_back(content.substr(start, end - start));
    }
    return opened;
}

std::string MakeServer(const test::FixtureDir& dir, std::string_view setupText) {
    dir.MakeDirectory("Mir200");
    dir.Write("Mir200\\!Setup.txt", setupText);
    return dir.path() + "\\";
}

Workshop::Workshop(std::optional<std::string> setupIni) {
    const std::string exe = run_.File("LifengWorkshop.exe");
    if (!CopyFileA(LIFENG_EXE, exe.c_str(), FALSE)) return;
    if (setupIni) run_.Write("Setup.ini", *setupIni);
    // Started from elsewhere, so that the program has to find its own directory.
    process_ = Process::Launch(exe, "", "C:\\");
    if (!process_.ok()) return;
    window_ = WaitTopWindow(process_.id(), 15s, "LifengWorkshopMain");
    if (window_) WaitIdle();
}

Workshop::~Workshop() {
    if (process_.Running() && IsWindow(window_)) PostMessageA(window_, WM_CLOSE, 0, 0);
    process_.WaitExitOrKill(10s);
}

HWND Workshop::At(Control control) const { return FindControl(window_, ControlId(control)); }

void Workshop::WaitIdle() const { e2e::WaitIdle(window_); }

void Workshop::Focus(Control control) {
    e2e::Focus(At(control));
    WaitIdle();
}

void Workshop::SelectAll(Control control) {
    Focus(control);
    e2e::SelectAll(At(control));
}

void Workshop::Type(Control control, std::string_view text) {
    if (Focused() != At(control)) Focus(control);
    Settle(window_, TypeText(At(control), text));
}

void Workshop::Press(Control control, WORD key) {
    if (Focused() != At(control)) Focus(control);
    Settle(window_, PressKey(At(control), key));
}

void Workshop::Click(Control button) { e2e::Click(At(button)); }

BoxInfo Workshop::WaitBox(Millis limit) const {
    const HWND box = WaitMessageBox(process_.id(), limit);
    if (!box) return {};
    SetWindowPos(box, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    e2e::WaitIdle(box);
    return ReadMessageBox(box);
}

::testing::AssertionResult Workshop::Holds(Control control, std::string_view text) const {
    std::string seen;
    WaitFor([&] { return (seen = Text(control)) == text; }, 5s);
    if (seen == text) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "holds \"" << seen << "\", not \"" << text << "\"";
}

::testing::AssertionResult Workshop::Shows(Control control, POINT point, COLORREF colour) const {
    COLORREF seen = CLR_INVALID;
    WaitFor([&] { return (seen = ScreenPixel(At(control), point)) == colour; }, 5s);
    if (seen == colour) return ::testing::AssertionSuccess();
    char message[96];
    std::snprintf(message, sizeof message, "shows 0x%06lX at (%ld, %ld), not 0x%06lX", seen, point.x, point.y, colour);
    return ::testing::AssertionFailure() << message;
}

}  // namespace lifeng::e2e
