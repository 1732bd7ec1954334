#pragma once
// One LifengWorkshop.exe started in a fresh run directory of its own, driven as an operator
// would: posted input to its controls, and what its controls, its files and the screen show.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "app/Controls.h"
#include "e2e/UiDriver.h"

namespace lifeng::e2e {

// Bytes of a Setup.ini that names this server directory.
std::string SettingsNaming(std::string_view serverDirectory);

// The sample server under demo/, as a Windows path ending with a separator.
std::string DemoServer();

// Files the stand-in editor was asked to open since the last call.
std::vector<std::string> TakeOpenedFiles();

// A server directory holding Mir200\!Setup.txt, removed afterwards; at root, it is that drive's
// root (emptied before and after) rather than a fresh directory.
class ServerFolder {
public:
    explicit ServerFolder(std::string_view setupText, std::string root = {});
    ~ServerFolder();
    ServerFolder(const ServerFolder&) = delete;
    ServerFolder& operator=(const ServerFolder&) = delete;
    // The directory with a final separator, as the path box holds it.
    std::string path() const { return directory_ + "\\"; }
    void Rewrite(std::string_view setupText) const;

private:
    void RemoveContents() const;
    bool ownsDirectory_;
    std::string directory_;
};

class Workshop {
public:
    // Starts the program; with setupIni, that Setup.ini lies beside it first.
    explicit Workshop(std::optional<std::string> setupIni = std::nullopt);
    // Closes the window if it is still open and waits for the program to end, killing it
    // after a time limit; then removes the run directory.
    ~Workshop();
    Workshop(const Workshop&) = delete;
    Workshop& operator=(const Workshop&) = delete;

    bool started() const { return window_ != nullptr; }
    HWND window() const { return window_; }
    Process& process() { return process_; }
    const std::string& runDirectory() const { return runDirectory_; }
    std::optional<std::string> ReadFile(std::string_view name) const;

    HWND At(Control control) const;
    std::string Text(Control control) const { return TextOf(At(control)); }
    HWND Focused() const { return FocusedControl(window_); }

    // Focus, then input; each waits until the program has handled it.
    void Focus(Control control);
    void SelectAll(Control control);
    void Type(Control control, std::string_view text);
    void Press(Control control, WORD key);
    void WaitIdle() const;
    // A mouse click on a button: posted, since it may open a message box.
    void Click(Control button);

    // The message box that shows up, read but left open; moved to the screen's corner, so that
    // the window's pixels can be read while it is up.
    BoxInfo WaitBox(Millis limit = 10s) const;
    bool NoBox(Millis quiet = 500ms) const { return NoMessageBox(process_.id(), quiet); }

    // True once the control holds this text: what input sets may take a moment to arrive.
    ::testing::AssertionResult Holds(Control control, std::string_view text) const;

    // True once the client area of the control shows colour at this point (painting lags a little).
    ::testing::AssertionResult Shows(Control control, POINT point, COLORREF colour) const;

private:
    std::string runDirectory_;
    Process process_;
    HWND window_ = nullptr;
};

}  // namespace lifeng::e2e
