#pragma once
// The generation inputs of one run, as the window holds them, and the two checks made before
// any script is built.
#include <array>
#include <cstdint>
#include <string>

#include "app/Message.h"

namespace lifeng {

inline constexpr int kSlotCount = 10;

struct BindingSlot {
    std::string indexText;
    int32_t valueType = 0;  // selected item: 0 "数值型", 1 "百分比", -1 none
    std::string colourText;
};

struct FormState {
    std::string windowTitle;
    std::string bindingCountText;
    std::array<BindingSlot, kSlotCount> slots;
    std::string customText;
    std::string customColourText;
};

// The count 1 to 10 that bindingCountText names as a number, or 0 when it names none of them.
int SelectBindingCount(const FormState& state);

// True when the index text of every slot from 1 to count is not empty.
bool BindingIndexesFilled(const FormState& state, int count);

inline constexpr Message EmptyIndexMessage{"启用的绑定序号不得为空！", "警告！！！", kIconWarning | kTaskModal};

}  // namespace lifeng
