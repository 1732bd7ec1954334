#pragma once
// The rules of the numeric edit boxes, apart from any window.
#include <string>
#include <string_view>

namespace lifeng {

// Whether a typed character reaches a digits or integer box: control characters (Backspace and
// the clipboard keys) and "-" and the digits pass; everything else is dropped silently.
constexpr bool TypingFilterPasses(unsigned characterCode) {
    return characterCode < 32 || characterCode == '-' || (characterCode >= '0' && characterCode <= '9');
}

// What an integer box shows after it loses the focus: the leading integer of its text, limited
// to 32 bits, in plain decimal; "" instead of "0".
std::string TidyIntegerText(std::string_view text);

}  // namespace lifeng
