#pragma once
// The system's services on Windows.
#include <windows.h>

#include <string>

#include "app/Platform.h"

namespace lifeng::win32 {

class MainWindow;

// The directory of the running executable, cut before its last separator (C: for a drive root).
std::string ModuleDirectory();

class Win32Platform final : public Platform {
public:
    Win32Platform(std::string runDirectory, MainWindow& window)
        : runDirectory_(std::move(runDirectory)), window_(window) {}

    void ShowMessage(const Message& message) override;
    std::string ChooseFolder(std::string_view instruction) override;
    bool EntryExists(const std::string& path) override;
    std::string RunDirectory() override { return runDirectory_; }
    bool WriteFile(const std::string& path, std::string_view bytes) override;
    void OpenWithDefaultProgram(const std::string& path) override;
    void HandlePendingEvents() override;

    // Hands one message on: the window's keyboard rules first, then the usual translation and
    // dispatch. The message loop and HandlePendingEvents both use it.
    void Dispatch(const MSG& message);

private:
    std::string runDirectory_;
    MainWindow& window_;
};

}  // namespace lifeng::win32
