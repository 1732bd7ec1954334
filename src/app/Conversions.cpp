#include "app/Conversions.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace lifeng {
namespace {

bool IsBlank(unsigned char c) { return c == 0x20 || (c >= 0x09 && c <= 0x0D); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

size_t SkipBlanks(std::string_view s, size_t i) {
    while (i < s.size() && IsBlank(static_cast<unsigned char>(s[i]))) ++i;
    return i;
}

size_t SkipDigits(std::string_view s, size_t i) {
    while (i < s.size() && IsDigit(static_cast<unsigned char>(s[i]))) ++i;
    return i;
}

char FoldPair(unsigned char lead, unsigned char trail) {
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail - 0x80);
    if (lead == 0xA1 && trail == 0xA1) return 0x20;
    if (lead == 0xA1 && trail == 0xAB) return 0x7E;
    if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) return 0x2A;
    return 0;
}

// from_chars leaves the value alone when it is out of range; this decides between an overflow
// and an underflow from the position of the first significant digit.
double OutOfRange(std::string_view mantissa, std::string_view exponentDigits, bool negativeExponent) {
    long long exponent = 0;
    for (char c : exponentDigits) {
        exponent = std::min(exponent * 10 + (c - '0'), 1000000000LL);
    }
    if (negativeExponent) exponent = -exponent;
    const size_t point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const size_t firstSignificant = whole.find_first_not_of('0');
    long long magnitude = 0;
    if (firstSignificant != std::string_view::npos) {
        magnitude = static_cast<long long>(whole.size() - firstSignificant);
    } else if (point != std::string_view::npos) {
        const std::string_view fraction = mantissa.substr(point + 1);
        const size_t leadingZeros = fraction.find_first_not_of('0');
        magnitude = -static_cast<long long>(leadingZeros == std::string_view::npos ? fraction.size() : leadingZeros);
    }
    return exponent + magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

}  // namespace

std::string FoldFullWidth(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            folded += static_cast<char>(c);
            continue;
        }
        if (i + 1 == text.size()) break;
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        if (char single = FoldPair(c, trail)) {
            folded += single;
        } else {
            folded += static_cast<char>(c);
            folded += static_cast<char>(trail);
        }
        ++i;
    }
    return folded;
}

double TextToNumber(std::string_view text) {
    const std::string folded = FoldFullWidth(text);
    const std::string_view s = folded;
    size_t i = SkipBlanks(s, 0);
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

    const size_t mantissaStart = i;
    const size_t wholeEnd = SkipDigits(s, i);
    size_t mantissaEnd = wholeEnd;
    size_t digitCount = wholeEnd - i;
    if (mantissaEnd < s.size() && s[mantissaEnd] == '.') {
        const size_t fractionEnd = SkipDigits(s, mantissaEnd + 1);
        digitCount += fractionEnd - (mantissaEnd + 1);
        mantissaEnd = fractionEnd;
    }
    if (digitCount == 0) return 0.0;
    const std::string_view mantissa = s.substr(mantissaStart, mantissaEnd - mantissaStart);

    std::string number(mantissa);
    std::string_view exponentDigits;
    bool negativeExponent = false;
    if (mantissaEnd < s.size() && std::string_view("eEdD").find(s[mantissaEnd]) != std::string_view::npos) {
        size_t j = mantissaEnd + 1;
        const bool signed_ = j < s.size() && (s[j] == '+' || s[j] == '-');
        if (signed_) negativeExponent = s[j++] == '-';
        const size_t exponentEnd = SkipDigits(s, j);
        if (exponentEnd > j) {
            exponentDigits = s.substr(j, exponentEnd - j);
            number += negativeExponent ? "e-" : "e";
            number += exponentDigits;
        }
    }

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) value = OutOfRange(mantissa, exponentDigits, negativeExponent);
    return negative ? -value : value;
}

int32_t TextToInteger(std::string_view text) {
    const std::string folded = FoldFullWidth(text);
    size_t i = SkipBlanks(folded, 0);
    bool negative = false;
    if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
    uint32_t value = 0;  // unsigned, so the wrap is defined
    for (; i < folded.size() && IsDigit(static_cast<unsigned char>(folded[i])); ++i) {
        value = value * 10u + static_cast<uint32_t>(folded[i] - '0');
    }
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
}

int32_t NumberToInteger(double number) {
    constexpr double twoTo63 = 9223372036854775808.0;
    int64_t whole = std::numeric_limits<int64_t>::min();
    if (std::isfinite(number) && std::fabs(number) < twoTo63) whole = static_cast<int64_t>(number);
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(whole)));
}

std::string IntegerToText(int32_t value) { return std::to_string(value); }

std::string NumberToText(double number) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.13g", number);
    return buffer;
}

bool NumbersEqual(double a, double b) { return std::fabs(a - b) <= 1e-7; }

int CompareText(std::string_view a, std::string_view b) {
    // string_view compares through char_traits<char>, whose compare is unsigned bytewise.
    return a.compare(b);
}

std::string JoinText(std::initializer_list<std::string_view> texts) {
    std::string joined;
    for (std::string_view text : texts) joined += text;
    return joined;
}

}  // namespace lifeng
