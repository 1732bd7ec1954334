#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "app/Conversions.h"

namespace lifeng {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct TextCase {
    const char* text;
    double number;
    int32_t integer;
};

// Texts as operators type them, with what each reading makes of them.
const TextCase kTextCases[] = {
    {"", 0, 0},
    {"  12", 12, 12},
    {"１２", 12, 12},              // full-width digits
    {"　5", 5, 5},                 // ideographic space
    {"+7", 7, 7},
    {"－3", -3, -3},               // full-width minus
    {"2.5", 2.5, 2},
    {"-2.5", -2.5, -2},
    {".5", 0.5, 0},
    {"5.", 5, 5},
    {"1e1", 10, 1},
    {"1D2", 100, 1},
    {"1e", 1, 1},
    {"1e+", 1, 1},
    {"2E-1", 0.2, 2},
    {"0x1A", 0, 0},
    {"12abc", 12, 12},
    {"abc", 0, 0},
    {"+-3", 0, 0},
    {".", 0, 0},
    {"-", 0, 0},
    {"1,000", 1, 1},
    {"2,5", 2, 2},
    {"inf", 0, 0},
    {"nan", 0, 0},
    {"4294967297", 4294967297.0, 1},  // 2^32 + 1 wraps
    {"2147483648", 2147483648.0, INT32_MIN},
    {"\t\n\v\f\r 9", 9, 9},
    {"１．５ｅ２", 150, 1},         // full-width full stop and exponent letter
    {"1e999", kInfinity, 1},
    {"-1e999", -kInfinity, -1},
    {"1e-999", 0, 1},
    {"0.000e99999999999999999999", 0, 0},
};

TEST(Conversions, TextToNumberAndTextToIntegerReadTheSameTextsTheirOwnWay) {
    for (const TextCase& c : kTextCases) {
        SCOPED_TRACE(c.text);
        if (std::isinf(c.number)) {
            EXPECT_EQ(TextToNumber(c.text), c.number);
        } else {
            EXPECT_DOUBLE_EQ(TextToNumber(c.text), c.number);
        }
        EXPECT_EQ(TextToInteger(c.text), c.integer);
    }
}

TEST(Conversions, TextToNumberGivesTheNearestDouble) {
    EXPECT_EQ(TextToNumber("0.1"), 0.1);
    EXPECT_EQ(TextToNumber("9007199254740993"), 9007199254740992.0);  // ties to even
    EXPECT_EQ(TextToNumber("2.2250738585072014e-308"), std::numeric_limits<double>::min());
}

TEST(Conversions, FoldFullWidthFoldsOnlyItsFourKindsOfCharacter) {
    EXPECT_EQ(FoldFullWidth("ＡＢｃ～！"), "ABc~!");
    EXPECT_EQ(FoldFullWidth("　"), " ");
    EXPECT_EQ(FoldFullWidth("～"), "~");        // A1 AB
    EXPECT_EQ(FoldFullWidth("℃"), "℃");        // another A1 character is kept
    EXPECT_EQ(FoldFullWidth("装备１"), "装备1");
    EXPECT_EQ(FoldFullWidth(std::string("7\xA3")), "7");  // a lead byte at the end is dropped
    EXPECT_EQ(FoldFullWidth(std::string("\xA1\xEE\xA1\xEF")), "**");
}

TEST(Conversions, NumberToIntegerTruncatesThroughSixtyFourBits) {
    const struct {
        double number;
        int32_t integer;
    } cases[] = {
        {12.9, 12},
        {-7.8, -7},
        {-0.5, 0},
        {-0.7, 0},
        {255.99, 255},
        {4294967296.0 + 255, 255},
        {3e9, static_cast<int32_t>(3000000000LL - 4294967296LL)},
        {1e300, 0},
        {kInfinity, 0},
        {-kInfinity, 0},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {9223372036854775808.0, 0},          // 2^63 does not fit
        {-9223372036854775808.0, 0},         // INT64_MIN, whose low 32 bits are 0 too
        {9223372036854774784.0, -1024},      // the largest double below 2^63
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(NumberToInteger(c.number), c.integer);
    }
}

TEST(Conversions, IntegersAndNumbersBecomePlainText) {
    EXPECT_EQ(IntegerToText(0), "0");
    EXPECT_EQ(IntegerToText(-1), "-1");
    EXPECT_EQ(IntegerToText(17), "17");
    EXPECT_EQ(IntegerToText(INT32_MIN), "-2147483648");
    EXPECT_EQ(NumberToText(0), "0");
    EXPECT_EQ(NumberToText(16), "16");
    EXPECT_EQ(NumberToText(0.5), "0.5");
    EXPECT_EQ(NumberToText(1e20), "1e+20");
}

TEST(Conversions, NumbersAreEqualWithinOneTenMillionth) {
    EXPECT_TRUE(NumbersEqual(0.99999999, 1));
    EXPECT_TRUE(NumbersEqual(3.00000001, 3));
    EXPECT_FALSE(NumbersEqual(1.000001, 1));
    EXPECT_FALSE(NumbersEqual(3.0000002, 3));
    EXPECT_FALSE(NumbersEqual(kInfinity, kInfinity - 1));  // inf - inf is NaN
}

TEST(Conversions, CompareTextIsBytewiseAndUnsigned) {
    EXPECT_EQ(CompareText("", ""), 0);
    EXPECT_NE(CompareText(" ", ""), 0);
    EXPECT_GT(CompareText(" ", ""), 0);
    EXPECT_LT(CompareText("a", "b"), 0);
    EXPECT_LT(CompareText("ab", "abc"), 0);
    EXPECT_GT(CompareText("装", "z"), 0);  // GBK lead bytes sort above ASCII
    EXPECT_EQ(CompareText("装备", "装备"), 0);
}

TEST(Conversions, JoinTextConcatenatesWithNothingBetween) {
    EXPECT_EQ(JoinText({}), "");
    EXPECT_EQ(JoinText({"D:\\Game\\", "", "Mir200\\!Setup.txt"}), "D:\\Game\\Mir200\\!Setup.txt");
}

}  // namespace
}  // namespace lifeng
