// The event table and the event rules, over the window model.
#include <algorithm>
#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "app/EventTable.h"
#include "colour/ColourPreview.h"
#include "support/HandlerTest.h"

namespace lifeng {
namespace {

using test::HandlerTest;
using test::RunningWindowTest;
using enum Control;

TEST(EventTable, BindsEachEventOnceAndEveryColourFieldSeparately) {
    std::set<std::pair<Control, Event>> seen;
    int fieldPreviews = 0;
    for (const Binding& binding : EventTable()) {
        EXPECT_TRUE(seen.insert({binding.control, binding.event}).second);
        fieldPreviews += binding.handler == PreviewFieldColour;
    }
    EXPECT_EQ(EventTable().size(), 18u);
    EXPECT_EQ(fieldPreviews, 11);
    for (Control field : kColourFields) EXPECT_TRUE(seen.count({field, Event::TextChanged}));
    EXPECT_TRUE(seen.count({编辑框_颜色, Event::TextChanged}));
    // Index fields, the custom text, the path box and the script buffer run nothing.
    for (Control quiet : {编辑框_序号01, 编辑框_自定义文本, 编辑框_服务端路径, 编辑框1}) {
        EXPECT_FALSE(seen.count({quiet, Event::TextChanged}));
    }
}

TEST_F(HandlerTest, NothingIsRaisedBeforeTheWindowStarts) {
    window.WriteText(编辑框_绑定数量, "0");
    EXPECT_TRUE(window.raised.empty());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(window.ReadText(编辑框_绑定数量), "0");
}

TEST_F(RunningWindowTest, ATextWriteRaisesOneEventEvenWhenTheTextIsUnchanged) {
    window.WriteText(编辑框_绑定数量, "10");
    EXPECT_EQ(window.raised, (std::vector<std::pair<Control, Event>>{{编辑框_绑定数量, Event::TextChanged}}));
    window.WriteText(编辑框_序号01, "5");
    EXPECT_EQ(Raised(编辑框_序号01, Event::TextChanged), 1);
}

TEST_F(RunningWindowTest, ColourAndSliderWritesRaiseNothing) {
    window.WriteBackColour(编辑框_颜色01, kBlack);
    window.WriteTextColour(编辑框_自定义文本, kBlack);
    window.WritePosition(滑块条1, 7);
    EXPECT_TRUE(window.raised.empty());
}

TEST_F(RunningWindowTest, TheSliderKeepsItsValueApartFromTheThumb) {
    const struct {
        int32_t written, read, thumb;
    } cases[] = {{300, 300, 255}, {-5, 0, 0}, {7, 7, 7}, {40000, 32767, 255}, {INT32_MIN, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        window.WritePosition(滑块条1, c.written);
        EXPECT_EQ(window.ReadPosition(滑块条1), c.read);
        EXPECT_EQ(window.Thumb(), c.thumb);
    }
}

TEST_F(RunningWindowTest, DraggingRaisesForEveryPlaceAndOnceMoreOnRelease) {
    window.DragSlider(0, 10);
    EXPECT_EQ(Raised(滑块条1, Event::PositionChanged), 11);
    EXPECT_EQ(window.ReadText(编辑框_颜色), "10");
}

TEST_F(RunningWindowTest, FilteredTypingChangesNothingAndRaisesNothing) {
    window.Type(编辑框_颜色01, "a .+");
    window.Type(编辑框_颜色, "装x");
    EXPECT_EQ(window.ReadText(编辑框_颜色01), "255");
    EXPECT_EQ(window.ReadText(编辑框_颜色), "0");
    EXPECT_TRUE(window.raised.empty());
    window.Type(编辑框_自定义文本, "装");  // any text goes into the custom text
    EXPECT_EQ(Raised(编辑框_自定义文本, Event::TextChanged), 1);
}

TEST_F(RunningWindowTest, ATidyingThatChangesTheTextRaisesOnceAndSeesTheNewText) {
    window.SelectAll(编辑框_颜色03);
    window.Paste(编辑框_颜色03, "007");
    window.raised.clear();
    window.Focus(编辑框_自定义文本);
    EXPECT_EQ(window.ReadText(编辑框_颜色03), "7");
    EXPECT_EQ(Raised(编辑框_颜色03, Event::TextChanged), 1);
    EXPECT_EQ(window.ReadPosition(滑块条1), 7);  // the preview saw the tidied text
    // The caret goes back where the selection started, within the shorter text.
    EXPECT_EQ(window.Selection(编辑框_颜色03), (std::pair<size_t, size_t>{1, 1}));
}

TEST_F(RunningWindowTest, OnlyIntegerBoxesTidy) {
    const struct {
        Control box;
        const char* pasted;
        const char* after;
    } cases[] = {
        {编辑框_序号01, "0", ""},     {编辑框_序号02, "-", ""},  {编辑框_序号03, "--5", ""},
        {编辑框_序号04, "12-3", "12"}, {编辑框_序号05, "2.5", "2"}, {编辑框_序号06, "+5", "5"},
        {编辑框_序号07, "abc", ""},    {编辑框_颜色, "007", "007"}, {编辑框_自定义文本, " 0 ", " 0 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pasted);
        window.SelectAll(c.box);
        window.Paste(c.box, c.pasted);
        window.Focus(按钮_浏览);
        EXPECT_EQ(window.ReadText(c.box), c.after);
    }
    window.Focus(编辑框_序号08);  // empty, and stays so without an event
    window.raised.clear();
    window.Focus(按钮_浏览);
    EXPECT_TRUE(window.raised.empty());
}

TEST_F(HandlerTest, TheWindowStartsFromItsDescription) {
    EXPECT_EQ(window.ReadText(编辑框_绑定数量), "10");
    EXPECT_EQ(window.ReadText(编辑框_自定义文本), "[装备强化]：");
    EXPECT_EQ(window.TextColour(编辑框_自定义文本), Rgb(0, 136, 255));
    EXPECT_EQ(window.ReadText(编辑框_颜色), "0");
    EXPECT_EQ(window.BackColour(编辑框_颜色), kBlack);
    for (size_t slot = 0; slot < 10; ++slot) {
        EXPECT_EQ(window.ReadText(kIndexFields[slot]), "");
        EXPECT_EQ(window.ReadText(kColourFields[slot]), "255");
        EXPECT_EQ(window.ReadSelectedIndex(kValueTypeBoxes[slot]), 0);
    }
    EXPECT_EQ(window.ReadPosition(滑块条1), 0);
    EXPECT_TRUE(window.Rows().empty());
}

}  // namespace
}  // namespace lifeng
