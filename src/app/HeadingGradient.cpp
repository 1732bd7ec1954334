#include "app/HeadingGradient.h"

#include <array>
#include <cstddef>

namespace lifeng {
namespace {

struct Stop {
    int red, green, blue;
};

constexpr std::array<Stop, 3> kStops = {{{0, 128, 128}, {128, 160, 128}, {236, 236, 236}}};

Colour ToColour(int red, int green, int blue) {
    return Rgb(static_cast<unsigned>(red), static_cast<unsigned>(green), static_cast<unsigned>(blue));
}

// Truncated toward zero, so a falling channel stays on the side of its first stop.
int Between(int from, int to, double fraction) { return from + static_cast<int>(fraction * (to - from)); }

}  // namespace

Colour HeadingGradientColour(int x, int width) {
    const int segmentWidth = width / 2;
    const int segment = segmentWidth > 0 ? x / segmentWidth : 2;
    if (segment >= 2) return ToColour(kStops[2].red, kStops[2].green, kStops[2].blue);
    const Stop& from = kStops[static_cast<size_t>(segment)];
    const Stop& to = kStops[static_cast<size_t>(segment) + 1];
    const double fraction = static_cast<double>(x % segmentWidth) / segmentWidth;
    return ToColour(Between(from.red, to.red, fraction), Between(from.green, to.green, fraction),
                    Between(from.blue, to.blue, fraction));
}

}  // namespace lifeng
