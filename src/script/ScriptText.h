#pragma once
// The NPC script fragment that binds the chosen attribute slots: GBK, every line ending in CR LF.
#include <string>
#include <string_view>
#include <vector>

#include "script/FormState.h"

namespace lifeng {

// The maker's credit at the end of the script's first line.
inline constexpr std::string_view kCreditText = "砺锋工坊出品，问题与建议请反馈给砺锋工坊开发组。";

// The script's lines, each with its CR LF: 17 fixed lines and five per bound slot. count is the
// binding count 1 to 10 that SelectBindingCount gave for state.
std::vector<std::string> GenerateScript(const FormState& state, int count);

}  // namespace lifeng
