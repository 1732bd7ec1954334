#include <string>

#include <gtest/gtest.h>

#include "app/Conversions.h"
#include "script/ScriptText.h"
#include "support/TempDir.h"

namespace lifeng {
namespace {

const char* const kTitle = "砺锋工坊 V1.0.0.0 Build 20200921";

FormState StartValues() {
    FormState state;
    state.windowTitle = kTitle;
    state.bindingCountText = "10";
    for (auto& slot : state.slots) slot.colourText = "255";
    state.customText = "[装备强化]：";
    state.customColourText = "255";
    return state;
}

// The worked example: two slots, the second one a percentage.
FormState WorkedExample() {
    FormState state = StartValues();
    state.slots[0].indexText = "3";
    state.slots[1].indexText = "12";
    state.slots[1].valueType = 1;
    state.slots[1].colourText = "249";
    return state;
}

std::string Script(const FormState& state, int count) {
    std::string text;
    for (const std::string& line : GenerateScript(state, count)) text += line;
    return text;
}

TEST(GenerateScript, TheWorkedExampleMatchesTheGoldenFileByteForByte) {
    const std::string golden = test::ReadTestData("worked-example.txt");
    EXPECT_EQ(Script(WorkedExample(), 2), golden);
    EXPECT_EQ(Script(WorkedExample(), 2), Script(WorkedExample(), 2));
}

TEST(GenerateScript, EveryCountAddsFiveLinesToSeventeen) {
    FormState state = WorkedExample();
    for (int count = 1; count <= 10; ++count) {
        SCOPED_TRACE(count);
        const auto lines = GenerateScript(state, count);
        ASSERT_EQ(lines.size(), 17u + 5u * static_cast<unsigned>(count));
        for (const std::string& line : lines) {
            ASSERT_GE(line.size(), 2u);
            EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
            EXPECT_EQ(line.find_first_of("\r\n"), line.size() - 2);
        }
        // The last bound slot is written as the digit count - 1, in every section.
        const std::string k = IntegerToText(count - 1);
        EXPECT_EQ(lines[4 + static_cast<size_t>(count)], "CHANGECUSTOMITEMABIL -1 " + k + " 1 " + state.slots[static_cast<size_t>(count - 1)].indexText + "\r\n");
        EXPECT_EQ(lines[5 + 2 * static_cast<size_t>(count)], "CHANGECUSTOMITEMABIL -1 " + k + " 2 " + k + "\r\n");
        EXPECT_EQ(lines.front().substr(0, 12), ";以下脚本由[");
        EXPECT_EQ(lines.back(), "Break\r\n");
    }
}

TEST(GenerateScript, ValueVariablesAreFixedBySlot) {
    const auto lines = GenerateScript(StartValues(), 10);
    // The value-variable section starts after the header, three opening lines and three
    // ten-line sections with their comments.
    const size_t first = 4 + 3 * 11 + 1;
    EXPECT_EQ(lines[first - 1], ";设置赋予数值\r\n");
    EXPECT_EQ(lines[first + 5], "CHANGECUSTOMITEMVALUE -1 5 = <$STR(N$强化洗炼ＨＰ)>\r\n");
    EXPECT_EQ(lines[first + 6], "CHANGECUSTOMITEMVALUE -1 6 = <$STR(N$强化洗炼ＭＰ)>\r\n");
    EXPECT_EQ(lines[first + 9], "CHANGECUSTOMITEMVALUE -1 9 = <$STR(N$强化洗炼无属性03)>\r\n");
}

TEST(GenerateScript, TextsGoInExactlyAsTyped) {
    FormState state = StartValues();
    state.slots[0].indexText = " 7";
    state.slots[0].colourText = "";
    state.slots[1].indexText = "１２";
    state.slots[1].colourText = "abc";
    state.slots[2].indexText = "typed beyond the count";
    state.customText = "";
    state.customColourText = "";
    const std::string script = Script(state, 2);
    EXPECT_NE(script.find("CHANGECUSTOMITEMABIL -1 0 1  7\r\n"), std::string::npos);
    EXPECT_NE(script.find("CHANGECUSTOMITEMABIL -1 0 0 \r\n"), std::string::npos);
    EXPECT_NE(script.find("CHANGECUSTOMITEMABIL -1 1 1 １２\r\n"), std::string::npos);
    EXPECT_NE(script.find("CHANGECUSTOMITEMABIL -1 1 0 abc\r\n"), std::string::npos);
    EXPECT_NE(script.find("CHANGECUSTOMITEMTEXT -1 \r\n"), std::string::npos);
    EXPECT_NE(script.find("CHANGECUSTOMITEMTEXTCOLOR -1 \r\n"), std::string::npos);
    EXPECT_EQ(script.find("typed beyond the count"), std::string::npos);
}

TEST(GenerateScript, ValueTypeIsTheSelectedItemIndex) {
    FormState state = StartValues();
    state.slots[0].valueType = 1;
    state.slots[1].valueType = 0;
    state.slots[2].valueType = -1;  // no selection is carried through as it is
    const std::string script = Script(state, 3);
    EXPECT_NE(script.find("CHANGECUSTOMITEMABIL -1 0 3 1\r\n"), std::string::npos);
    EXPECT_NE(script.find("CHANGECUSTOMITEMABIL -1 1 3 0\r\n"), std::string::npos);
    EXPECT_NE(script.find("CHANGECUSTOMITEMABIL -1 2 3 -1\r\n"), std::string::npos);
}

TEST(GenerateScript, TheCreditIsOneLine) {
    EXPECT_EQ(std::string(kCreditText).find_first_of("\r\n"), std::string::npos);
    EXPECT_FALSE(kCreditText.empty());
}

}  // namespace
}  // namespace lifeng
