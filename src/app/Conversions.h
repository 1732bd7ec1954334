#pragma once
// Conversions between control texts and numbers. Every handler converts with these rules and
// no others, so unusual input (blanks, full-width digits, fractions, huge values) behaves the
// same everywhere. All texts are GBK bytes; an absent text is the empty text.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace lifeng {

// Full-width ASCII forms (A3 A1..A3 FE), the ideographic space and two look-alikes become their
// single-byte forms; a lead byte with nothing after it is dropped.
std::string FoldFullWidth(std::string_view text);

// Reads a decimal number from the front of the folded text: blanks, sign, digits with one
// optional full stop, optional exponent (e, E, d or D). No number gives 0; overflow gives
// infinity, underflow 0.
double TextToNumber(std::string_view text);

// Reads a 32-bit integer from the front of the folded text, wrapping without overflow checks.
int32_t TextToInteger(std::string_view text);

// Truncates toward zero through 64 bits (out of range gives INT64_MIN), then keeps the low 32 bits.
int32_t NumberToInteger(double number);

std::string IntegerToText(int32_t value);
std::string NumberToText(double number);  // "%.13g"

bool NumbersEqual(double a, double b);  // |a - b| <= 1e-7

// Unsigned bytewise comparison: negative, zero or positive.
int CompareText(std::string_view a, std::string_view b);

std::string JoinText(std::initializer_list<std::string_view> texts);

}  // namespace lifeng
