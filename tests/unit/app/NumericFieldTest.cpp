#include <gtest/gtest.h>

#include "app/HeadingGradient.h"
#include "app/NumericField.h"

namespace lifeng {
namespace {

TEST(TypingFilter, PassesControlKeysDigitsAndMinusOnly) {
    for (unsigned code : {8u, 3u, 22u, 24u, 26u, 31u, unsigned('-'), unsigned('0'), unsigned('9')}) {
        EXPECT_TRUE(TypingFilterPasses(code)) << code;
    }
    for (unsigned code : {unsigned(' '), unsigned('.'), unsigned('+'), unsigned('a'), unsigned('E'), 0x7Fu, 0xA3u, 0xB0u}) {
        EXPECT_FALSE(TypingFilterPasses(code)) << code;
    }
}

TEST(TidyIntegerText, KeepsTheLeadingIntegerWithinThirtyTwoBits) {
    const struct {
        const char* text;
        const char* tidied;
    } cases[] = {
        {"007", "7"},
        {"0", ""},
        {"-", ""},
        {"--5", ""},
        {"", ""},
        {"-0", ""},
        {"12-3", "12"},
        {"2.5", "2"},
        {"+5", "5"},
        {"  42", "42"},
        {"abc", ""},
        {"2147483647", "2147483647"},
        {"2147483648", "2147483647"},
        {"-2147483648", "-2147483648"},
        {"-2147483649", "-2147483648"},
        {"99999999999999999999999999", "2147483647"},  // past 64 bits too
        {"-99999999999999999999999999", "-2147483648"},
        {"１２", ""},  // full-width digits are no digits here
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TidyIntegerText(c.text), c.tidied);
    }
}

TEST(HeadingGradient, RunsThroughThreeStopsAcrossTheWidth) {
    constexpr int width = 219;  // s = 109
    EXPECT_EQ(HeadingGradientColour(0, width), Rgb(0, 128, 128));
    EXPECT_EQ(HeadingGradientColour(109, width), Rgb(128, 160, 128));
    EXPECT_EQ(HeadingGradientColour(218, width), Rgb(236, 236, 236));  // segment 2 takes the last stop
    // Halfway through the first segment: 0 + trunc(54/109 * 128) and so on.
    EXPECT_EQ(HeadingGradientColour(54, width), Rgb(63, 143, 128));
    // In the second segment blue falls: 128 + trunc(0.5 * 108).
    EXPECT_EQ(HeadingGradientColour(109 + 54, width), Rgb(181, 197, 181));
    for (int x = 0; x < width; ++x) {
        const Colour c = HeadingGradientColour(x, width);
        EXPECT_LE(c & 0xFF, 236u);  // never past the last stop
    }
}

}  // namespace
}  // namespace lifeng
