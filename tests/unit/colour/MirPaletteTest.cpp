#include <gtest/gtest.h>

#include "colour/MirPalette.h"

namespace lifeng {
namespace {

TEST(PaletteColour, IndexesZeroTo255NameTheGamesColours) {
    EXPECT_EQ(PaletteColour(0), 0u);
    EXPECT_EQ(PaletteColour(1), 128u);
    EXPECT_EQ(PaletteColour(7), 12632256u);
    EXPECT_EQ(PaletteColour(128), 8109518u);
    EXPECT_EQ(PaletteColour(249), 255u);
    EXPECT_EQ(PaletteColour(254), 16776960u);
    EXPECT_EQ(PaletteColour(255), 16777215u);
}

TEST(PaletteColour, EveryOtherPositionIsBlack) {
    for (int32_t position : {256, 300, 32767, -1, -5, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(position);
        EXPECT_EQ(PaletteColour(position), 0u);
    }
}

TEST(MirPalette, HoldsOnly24BitColours) {
    unsigned long long sum = 0;
    for (Colour colour : MirPalette) {
        EXPECT_LE(colour, 0xFFFFFFu);
        sum += colour;
    }
    // Guards the table against a lost or doubled entry: the sum of all 256 values.
    EXPECT_EQ(sum, 1264066468ull);
}

}  // namespace
}  // namespace lifeng
