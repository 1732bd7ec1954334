#pragma once
// The server's 17 custom attribute names, shown beside their numbers in the attribute list.
#include "app/App.h"
#include "app/Message.h"

namespace lifeng {

inline constexpr int kAttributeNameCount = 17;
inline constexpr Message kNamesReloadedMessage{"服务端自定义属性重读成功！", "友情提示：", kIconInformation | kTaskModal};

// Fills the list afresh from Mir200\!Setup.txt under the directory in the path box: row n
// shows n and the name stored under CustomItemValueNames(n - 1), or nothing. Then lets the
// events already waiting through, so the list is painted before the caller goes on.
void LoadAttributeNames(App& app);

// The reload button: loads the names again and says so.
void ReloadAttributeNames(App& app);

}  // namespace lifeng
