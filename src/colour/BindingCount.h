#pragma once
// The binding count field shades the index fields of the unused slots black and keeps the
// count within 1 to 10.
#include "app/App.h"
#include "app/Message.h"

namespace lifeng {

inline constexpr Message kCountTooLowMessage{"每个装备可以自定义10个属性！", "警告！！！", kIconWarning | kTaskModal};
inline constexpr Message kCountTooHighMessage{"每个装备最多自定义10个属性！", "警告！！！", kIconWarning | kTaskModal};

// Text changed of 编辑框_绑定数量. A count of 0 becomes "1" and one above 10 becomes "10", each
// with a warning; the correcting write runs this handler again, nested, before the warning.
void ApplyBindingCount(App& app);

}  // namespace lifeng
