#include <gtest/gtest.h>

#include "colour/BindingCount.h"
#include "support/HandlerTest.h"

namespace lifeng {
namespace {

using test::RunningWindowTest;
using enum Control;

class BindingCountTest : public RunningWindowTest {
protected:
    // The index fields that are black, as slot numbers.
    std::vector<int> BlackSlots() const {
        std::vector<int> black;
        for (int slot = 1; slot <= 10; ++slot) {
            if (window.BackColour(kIndexFields[static_cast<size_t>(slot - 1)]) == kBlack) black.push_back(slot);
        }
        return black;
    }

    static std::vector<int> Slots(int from, int to) {
        std::vector<int> slots;
        for (int slot = from; slot <= to; ++slot) slots.push_back(slot);
        return slots;
    }

    void Paste(std::string_view text) {
        window.SelectAll(编辑框_绑定数量);
        window.Paste(编辑框_绑定数量, text);
    }
};

TEST_F(BindingCountTest, TheSlotsBeyondTheCountTurnBlack) {
    for (int count = 1; count <= 10; ++count) {
        SCOPED_TRACE(count);
        Paste(std::to_string(count));
        EXPECT_EQ(BlackSlots(), Slots(count + 1, 10));
        EXPECT_EQ(window.ReadText(编辑框_绑定数量), std::to_string(count));
    }
    for (const char* text : {"-3", "2.5", "007", "4294967297"}) {  // read as -3, 2, 7 and 1
        SCOPED_TRACE(text);
        Paste(text);
        EXPECT_EQ(window.ReadText(编辑框_绑定数量), text);
    }
    EXPECT_EQ(BlackSlots(), Slots(2, 10));
    Paste("-3");
    EXPECT_TRUE(BlackSlots().empty());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(BindingCountTest, ACountOfZeroBecomesOneInANestedRunBeforeTheWarning) {
    std::string textWhileWarned;
    std::vector<int> blackWhileWarned;
    platform.whileMessageShown = [&](const Message&) {
        textWhileWarned = window.ReadText(编辑框_绑定数量);
        blackWhileWarned = BlackSlots();
    };
    window.SelectAll(编辑框_绑定数量);
    window.Backspace(编辑框_绑定数量);  // deleting the whole text
    EXPECT_EQ(window.ReadText(编辑框_绑定数量), "1");
    EXPECT_EQ(BlackSlots(), Slots(2, 10));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "每个装备可以自定义10个属性！");
    EXPECT_EQ(platform.messages[0].caption, "警告！！！");
    EXPECT_EQ(platform.messages[0].flags, 0x2030u);
    EXPECT_EQ(textWhileWarned, "1");
    EXPECT_EQ(blackWhileWarned, Slots(2, 10));
    // The operator's deletion, then the correcting write that ran the handler again inside it.
    EXPECT_EQ(Raised(编辑框_绑定数量, Event::TextChanged), 2);
}

TEST_F(BindingCountTest, TypingAMinusOverTheCountIsACountOfZero) {
    window.SelectAll(编辑框_绑定数量);
    window.Type(编辑框_绑定数量, "-");
    EXPECT_EQ(window.ReadText(编辑框_绑定数量), "1");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "每个装备可以自定义10个属性！");
}

TEST_F(BindingCountTest, TypingFifteenShadesForOneThenCorrectsToTen) {
    window.SelectAll(编辑框_绑定数量);
    window.Type(编辑框_绑定数量, "1");
    EXPECT_EQ(BlackSlots(), Slots(2, 10));
    std::vector<int> blackWhileWarned{-1};
    platform.whileMessageShown = [&](const Message&) { blackWhileWarned = BlackSlots(); };
    window.Type(编辑框_绑定数量, "5");
    EXPECT_EQ(window.ReadText(编辑框_绑定数量), "10");
    EXPECT_TRUE(BlackSlots().empty());
    EXPECT_TRUE(blackWhileWarned.empty());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "每个装备最多自定义10个属性！");
    EXPECT_EQ(platform.messages[0].flags, 0x2030u);
}

TEST_F(BindingCountTest, TheTidyingOnFocusLossShadesOnceMore) {
    Paste("03");
    window.raised.clear();
    window.Focus(编辑框_序号01);
    EXPECT_EQ(window.ReadText(编辑框_绑定数量), "3");
    EXPECT_EQ(Raised(编辑框_绑定数量, Event::TextChanged), 1);
    EXPECT_EQ(BlackSlots(), Slots(4, 10));
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace lifeng
