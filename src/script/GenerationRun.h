#pragma once
// The generate button: reads and checks the inputs, builds the script into the script buffer,
// writes it to 脚本生成.txt beside the program and opens that file with the default program.
#include <string>
#include <string_view>

#include "app/App.h"
#include "app/Message.h"
#include "script/FormState.h"

namespace lifeng {

inline constexpr Message kScriptNotWrittenMessage{"脚本文件写入失败！", "警告！", kIconError | kTaskModal};

// runDirectory followed by "\脚本生成.txt".
std::string ScriptFilePath(Platform& platform);

// The generation inputs as the window holds them now; reading raises no event.
FormState ReadFormState(Window& window);

void GenerateAndOpenScript(App& app);

// Replaces the file's content with the script's bytes; a failure leaves the previous file as it was.
bool WriteScriptFile(Platform& platform, const std::string& path, std::string_view content);

void OpenScriptFile(Platform& platform, const std::string& path);

}  // namespace lifeng
