#include <gtest/gtest.h>

#include "e2e/Workshop.h"

namespace lifeng::e2e {
namespace {

using enum Control;

constexpr POINT kCorner{2, 2};  // inside an edit box, clear of its text and caret
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

::testing::AssertionResult IndexFieldsShaded(const Workshop& app, int firstBlack) {
    for (int slot = 1; slot <= 10; ++slot) {
        const COLORREF colour = slot >= firstBlack ? kBlack : kWhite;
        auto shown = app.Shows(kIndexFields[static_cast<size_t>(slot - 1)], kCorner, colour);
        if (!shown) return shown << " in the index field of slot " << slot;
    }
    return ::testing::AssertionSuccess();
}

TEST(BindingCount, DeletingTheCountGivesOneWithAWarningAndShadesTheRest) {
    Workshop app;
    ASSERT_TRUE(app.started());
    app.SelectAll(编辑框_绑定数量);
    PressKey(app.At(编辑框_绑定数量), VK_BACK);
    const BoxInfo box = app.WaitBox();
    EXPECT_EQ(box.text, "每个装备可以自定义10个属性！");
    EXPECT_EQ(box.caption, "警告！！！");
    EXPECT_EQ(box.icon, BoxIcon::Warning);
    // The correction and its shading are done before the warning shows.
    EXPECT_EQ(app.Text(编辑框_绑定数量), "1");
    EXPECT_TRUE(IndexFieldsShaded(app, 2));
    EXPECT_TRUE(CloseMessageBox(box.wnd));
}

TEST(BindingCount, FifteenBecomesTenWithAWarning) {
    Workshop app;
    ASSERT_TRUE(app.started());
    app.SelectAll(编辑框_绑定数量);
    app.Type(编辑框_绑定数量, "3");
    EXPECT_TRUE(IndexFieldsShaded(app, 4));
    app.SelectAll(编辑框_绑定数量);
    app.Type(编辑框_绑定数量, "1");
    Settle(app.window(), TypeText(app.At(编辑框_绑定数量), "5"));
    const BoxInfo box = app.WaitBox();
    EXPECT_EQ(box.text, "每个装备最多自定义10个属性！");
    EXPECT_EQ(box.icon, BoxIcon::Warning);
    EXPECT_EQ(app.Text(编辑框_绑定数量), "10");
    EXPECT_TRUE(IndexFieldsShaded(app, 11));
    EXPECT_TRUE(CloseMessageBox(box.wnd));
}

TEST(ColourPreview, AColourFieldPaintsItsPaletteColourAndMovesTheSlider) {
    Workshop app;
    ASSERT_TRUE(app.started());
    app.SelectAll(编辑框_颜色03);
    app.Type(编辑框_颜色03, "7");
    EXPECT_TRUE(app.Shows(编辑框_颜色03, kCorner, 12632256));
    EXPECT_EQ(SendMessageA(app.At(滑块条1), TBM_GETPOS, 0, 0), 7);
    app.Type(编辑框_颜色03, "00");  // 700: past the palette
    EXPECT_TRUE(app.Shows(编辑框_颜色03, kCorner, kBlack));
    EXPECT_EQ(SendMessageA(app.At(滑块条1), TBM_GETPOS, 0, 0), 255);
    EXPECT_EQ(app.Text(编辑框_颜色), "0");  // the palette box is left alone
}

TEST(ColourPreview, TheCustomColourAlsoColoursTheCustomText) {
    Workshop app;
    ASSERT_TRUE(app.started());
    app.SelectAll(编辑框_自定义颜色);
    app.Type(编辑框_自定义颜色, "249");
    EXPECT_TRUE(app.Shows(编辑框_自定义颜色, kCorner, RGB(255, 0, 0)));
    InvalidateRect(app.At(编辑框_自定义文本), nullptr, TRUE);
    bool redLetters = false;
    WaitFor([&] {
        for (COLORREF pixel : ClientPixels(app.At(编辑框_自定义文本))) {
            if (GetRValue(pixel) > 180 && GetGValue(pixel) < 80 && GetBValue(pixel) < 80) return redLetters = true;
        }
        return false;
    }, 3s);
    EXPECT_TRUE(redLetters);
}

TEST(ColourPreview, MovingTheSliderShowsItsIndexInThePaletteBox) {
    Workshop app;
    ASSERT_TRUE(app.started());
    app.Press(滑块条1, VK_RIGHT);
    EXPECT_TRUE(app.Holds(编辑框_颜色, "1"));
    EXPECT_TRUE(app.Shows(编辑框_颜色, kCorner, 128));
    app.Press(滑块条1, VK_END);
    EXPECT_TRUE(app.Holds(编辑框_颜色, "255"));
    EXPECT_TRUE(app.Shows(编辑框_颜色, kCorner, kWhite));
}

}  // namespace
}  // namespace lifeng::e2e
