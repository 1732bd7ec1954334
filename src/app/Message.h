#pragma once
// A message to the operator: a task-modal message box with no owner and an OK button.
#include <string_view>

namespace lifeng {

inline constexpr unsigned kTaskModal = 0x2000;
inline constexpr unsigned kIconError = 0x10;
inline constexpr unsigned kIconWarning = 0x30;
inline constexpr unsigned kIconInformation = 0x40;

struct Message {
    std::string_view text;
    std::string_view caption;
    unsigned flags;
};

}  // namespace lifeng
