#include "support/RecordingPlatform.h"

#include <stdexcept>

#include "app/Files.h"

namespace lifeng::test {

void RecordingPlatform::ShowMessage(const Message& message) {
    messages.push_back(message);
    if (whileMessageShown) whileMessageShown(message);
}

std::string RecordingPlatform::ChooseFolder(std::string_view instruction) {
    folderInstructions.emplace_back(instruction);
    if (folderAnswers.empty()) throw std::logic_error("the folder dialog opened without an answer ready");
    std::string answer = std::move(folderAnswers.front());
    folderAnswers.pop_front();
    return answer;
}

bool RecordingPlatform::EntryExists(const std::string& path) { return files::EntryExists(path); }

bool RecordingPlatform::WriteFile(const std::string& path, std::string_view bytes) {
    return files::ReplaceWhole(path, bytes);
}

void RecordingPlatform::HandlePendingEvents() {
    while (!pendingEvents.empty()) {
        auto event = std::move(pendingEvents.front());
        pendingEvents.pop_front();
        event();
    }
}

}  // namespace lifeng::test
