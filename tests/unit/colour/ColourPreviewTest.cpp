#include <gtest/gtest.h>

#include "colour/MirPalette.h"
#include "support/HandlerTest.h"

namespace lifeng {
namespace {

using test::RunningWindowTest;
using enum Control;

class ColourPreviewTest : public RunningWindowTest {
protected:
    void Enter(Control field, std::string_view text) {
        window.SelectAll(field);
        window.Paste(field, text);
    }
};

TEST_F(ColourPreviewTest, AFieldsIndexMovesTheSliderAndPaintsTheField) {
    const struct {
        const char* text;
        int thumb;
        int32_t position;
        Colour colour;
    } cases[] = {
        {"7", 7, 7, 12632256},      {"300", 255, 300, kBlack}, {"-5", 0, 0, kBlack},
        {"abc", 0, 0, kBlack},      {"", 0, 0, kBlack},        {"12.9", 12, 12, 5395034},
        {"4294967551", 255, 255, kWhite},  // 2^32 + 255 wraps to 255
        {"40000", 255, 32767, kBlack},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Enter(编辑框_颜色03, c.text);
        EXPECT_EQ(window.Thumb(), c.thumb);
        EXPECT_EQ(window.ReadPosition(滑块条1), c.position);
        EXPECT_EQ(window.BackColour(编辑框_颜色03), c.colour);
    }
    // The palette box beside the slider keeps its text and colour.
    EXPECT_EQ(window.ReadText(编辑框_颜色), "0");
    EXPECT_EQ(window.BackColour(编辑框_颜色), kBlack);
    EXPECT_EQ(Raised(滑块条1, Event::PositionChanged), 0);
}

TEST_F(ColourPreviewTest, EachKeystrokePreviewsTheIndexSoFar) {
    window.SelectAll(编辑框_颜色01);
    window.Backspace(编辑框_颜色01);
    EXPECT_EQ(window.BackColour(编辑框_颜色01), kBlack);
    std::vector<Colour> seen;
    for (char digit : std::string("128")) {
        window.Type(编辑框_颜色01, std::string(1, digit));
        seen.push_back(window.BackColour(编辑框_颜色01));
    }
    EXPECT_EQ(seen, (std::vector<Colour>{PaletteColour(1), PaletteColour(12), PaletteColour(128)}));
}

TEST_F(ColourPreviewTest, EachFieldPaintsOnlyItself) {
    for (Control field : kColourFields) Enter(field, "249");
    Enter(编辑框_颜色10, "7");
    EXPECT_EQ(window.BackColour(编辑框_颜色09), 255u);
    EXPECT_EQ(window.BackColour(编辑框_颜色10), 12632256u);
    EXPECT_EQ(window.BackColour(编辑框_自定义颜色), kWhite);
}

TEST_F(ColourPreviewTest, TheCustomColourAlsoColoursTheCustomText) {
    Enter(编辑框_自定义颜色, "249");
    EXPECT_EQ(window.BackColour(编辑框_自定义颜色), 255u);
    EXPECT_EQ(window.TextColour(编辑框_自定义文本), 255u);
    EXPECT_EQ(window.Thumb(), 249);
}

TEST_F(ColourPreviewTest, MovingTheSliderShowsItsIndexAndColourInThePaletteBox) {
    window.MoveSlider(7);
    EXPECT_EQ(window.ReadText(编辑框_颜色), "7");
    EXPECT_EQ(window.BackColour(编辑框_颜色), 12632256u);
    // The text write ran the palette box's own preview inside the slider's handler, which wrote
    // the same position and raised nothing more.
    EXPECT_EQ(window.raised, (std::vector<std::pair<Control, Event>>{{滑块条1, Event::PositionChanged},
                                                                     {编辑框_颜色, Event::TextChanged}}));
    EXPECT_EQ(window.Thumb(), 7);
}

TEST_F(ColourPreviewTest, TypingIntoThePaletteBoxPreviewsAndKeepsTheText) {
    window.SelectAll(编辑框_颜色);
    window.Type(编辑框_颜色, "007");
    window.Focus(编辑框_序号01);
    EXPECT_EQ(window.ReadText(编辑框_颜色), "007");
    EXPECT_EQ(window.BackColour(编辑框_颜色), 12632256u);
    EXPECT_EQ(window.Thumb(), 7);
}

}  // namespace
}  // namespace lifeng
