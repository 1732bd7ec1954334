#pragma once
// The server directory: remembered in Setup.ini beside the program, shown in the path box,
// chosen with the folder browser.
#include <string>
#include <string_view>

#include "app/App.h"
#include "app/Message.h"

namespace lifeng {

inline constexpr std::string_view kSettingsSection = "软件设置";
inline constexpr std::string_view kServerDirectoryKey = "服务端路径";
inline constexpr std::string_view kDefaultServerDirectory = "D:\\Mirserver\\";
inline constexpr std::string_view kChooseServerInstruction = "请选择传奇服务端目录！";
inline constexpr Message kNotAServerMessage{"请选择正确的传奇服务端！", "警告！", kIconError | kTaskModal};

// runDirectory followed by "\Setup.ini".
std::string SettingsFile(Platform& platform);

// When the window has been created: creates Setup.ini with the default when it is missing,
// shows the stored directory and loads the attribute names from it.
void LoadServerDirectory(App& app);

// The browse button: lets the operator choose a server folder, checks that it holds
// Mir200\!Setup.txt, stores it, shows what the settings file then holds and reloads the names.
void BrowseServerDirectory(App& app);

}  // namespace lifeng
