#pragma once
// The system's services for handler tests: real files, and a record of what the operator
// would have been shown or asked, with answers the test gives beforehand.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/Platform.h"

namespace lifeng::test {

class RecordingPlatform final : public Platform {
public:
    explicit RecordingPlatform(std::string runDirectory) : runDirectory_(std::move(runDirectory)) {}

    void ShowMessage(const Message& message) override;
    std::string ChooseFolder(std::string_view instruction) override;
    bool EntryExists(const std::string& path) override;
    std::string RunDirectory() override { return runDirectory_; }
    bool WriteFile(const std::string& path, std::string_view bytes) override;
    void OpenWithDefaultProgram(const std::string& path) override { opened.push_back(path); }
    void HandlePendingEvents() override;

    std::vector<Message> messages;
    std::function<void(const Message&)> whileMessageShown;  // looks at the window while a box is up
    std::deque<std::string> folderAnswers;                 // "" stands for Cancel
    std::vector<std::string> folderInstructions;
    std::vector<std::string> opened;
    std::deque<std::function<void()>> pendingEvents;       // input waiting in the queue

private:
    std::string runDirectory_;
};

}  // namespace lifeng::test
