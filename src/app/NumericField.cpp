#include "app/NumericField.h"

#include <algorithm>
#include <cstdint>

namespace lifeng {

std::string TidyIntegerText(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Anything past 32 bits ends up at the limit, so the magnitude may saturate early; a digit
    // string too long for 64 bits therefore tidies to the limit as well.
    constexpr int64_t kSaturated = int64_t{1} << 40;
    int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), kSaturated);
    }
    const int64_t value = std::clamp<int64_t>(negative ? -magnitude : magnitude, INT32_MIN, INT32_MAX);
    return value == 0 ? std::string() : std::to_string(value);
}

}  // namespace lifeng
