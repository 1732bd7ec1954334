#pragma once
// The services of the system that handlers use besides the window.
#include <string>
#include <string_view>

#include "app/Message.h"

namespace lifeng {

class Platform {
public:
    virtual ~Platform() = default;

    // Shows a task-modal message box with no owner and waits until the operator closes it.
    virtual void ShowMessage(const Message& message) = 0;

    // The folder the operator chose, as a file-system path (a drive root keeps its separator,
    // C:\), or "" when the operator cancelled or chose something without a path.
    virtual std::string ChooseFolder(std::string_view instruction) = 0;

    virtual bool EntryExists(const std::string& path) = 0;

    // The directory of the program's executable, without a trailing separator (C: for a drive root).
    virtual std::string RunDirectory() = 0;

    // Replaces the file's content; a failure leaves the old file as it was.
    virtual bool WriteFile(const std::string& path, std::string_view bytes) = 0;

    // Asks the system to open the file with its default program, without waiting for it.
    virtual void OpenWithDefaultProgram(const std::string& path) = 0;

    // Handles the input and events already waiting, without waiting for new ones.
    virtual void HandlePendingEvents() = 0;
};

}  // namespace lifeng
