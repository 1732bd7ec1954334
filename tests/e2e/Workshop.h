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
#include "support/TempDir.h"

namespace lifeng::e2e {

// Bytes of a Setup.ini that names this server directory.
std::string SettingsNaming(std::string_view serverDirectory);

// The sample server under demo/, as a Windows path ending with a separator.
std::string DemoServer();

// Files the stand-in editor was asked to open since the last call.
std::vector<std::string> TakeOpenedFiles();

// Makes dir a server directory: its Mir200\!Setup.txt holds setupText. The directory's path
// with a final separator, as the path box holds it.
std::string MakeServer(const test::FixtureDir& dir, std::string_view setupText);

class Workshop {
public:
    // Starts the program; with setupIni, that Setup.ini lies beside it first.
    explicit Workshop(std::optional<std::string> setupIni = std::nullopt);
    // Closes the window if it is still open and waits for the program to end, killing it
    // after a time limit; the run directory goes after that.
    ~Workshop();
    Workshop(const Workshop&) = delete;
    Workshop& operator=(const Workshop&) = delete;

    bool started() const { return window_ != nullptr; }
    HWND window() const { return window_; }
    Process& process() { return process_; }
    const std::string& runDirectory() const { return run_.path(); }
    std::optional<std::string> ReadFile(std::string_view name) const { return run_.Read(name); }

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
    test::TempDir run_;  // declared first, so it is removed after the program has ended
    Process process_;
    HWND window_ = nullptr;
};

}  // namespace lifeng::e2e
