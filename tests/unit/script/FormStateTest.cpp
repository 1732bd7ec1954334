#include <gtest/gtest.h>

#include "script/FormState.h"

namespace lifeng {
namespace {

FormState WithCount(const char* countText) {
    FormState state;
    state.bindingCountText = countText;
    return state;
}

TEST(SelectBindingCount, NamesOnlyTheWholeNumbersOneToTen) {
    const struct {
        const char* text;
        int count;
    } cases[] = {
        {"3", 3},   {"10", 10},       {"1", 1},         {"0", 0},          {"11", 0}, {"-1", 0},
        {"abc", 0}, {"", 0},          {"2.5", 0},       {"3.00000001", 3}, {"3.0000002", 0},
        {" 4", 4},  {"４", 4},        {"4abc", 4},      {"1e1", 10},       {"0.99999999", 1},
        {"+2", 2},  {"　　7", 7},     {"1e999", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SelectBindingCount(WithCount(c.text)), c.count);
    }
}

TEST(BindingIndexesFilled, LooksOnlyAtTheBoundSlotsAndOnlyForEmptiness) {
    FormState state;
    for (auto& slot : state.slots) slot.indexText = "";
    EXPECT_FALSE(BindingIndexesFilled(state, 10));  // as at start-up

    state.slots[0].indexText = "1";
    state.slots[1].indexText = "2";
    state.slots[2].indexText = "3";
    EXPECT_TRUE(BindingIndexesFilled(state, 3));
    EXPECT_TRUE(BindingIndexesFilled(state, 1));
    EXPECT_FALSE(BindingIndexesFilled(state, 4));

    state.slots[1].indexText = "";
    EXPECT_FALSE(BindingIndexesFilled(state, 3));
    EXPECT_TRUE(BindingIndexesFilled(state, 1));

    // Blanks, words and zeros are not empty; colours and value types are never looked at.
    state.slots[1].indexText = " ";
    state.slots[2].indexText = "abc";
    state.slots[3].indexText = "0";
    state.slots[3].colourText = "";
    state.slots[3].valueType = -1;
    EXPECT_TRUE(BindingIndexesFilled(state, 4));
}

TEST(EmptyIndexMessage, IsAWarningInATaskModalBox) {
    EXPECT_EQ(EmptyIndexMessage.text, "启用的绑定序号不得为空！");
    EXPECT_EQ(EmptyIndexMessage.caption, "警告！！！");
    EXPECT_EQ(EmptyIndexMessage.flags, 0x2030u);
}

}  // namespace
}  // namespace lifeng
