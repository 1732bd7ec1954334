#include <gtest/gtest.h>

#include "script/GenerationRun.h"
#include "support/HandlerTest.h"

namespace lifeng {
namespace {

using test::RunningWindowTest;
using enum Control;

class GenerationRunTest : public RunningWindowTest {
protected:
    // The worked example, entered as the operator would.
    void EnterWorkedExample() {
        window.SelectAll(编辑框_绑定数量);
        window.Type(编辑框_绑定数量, "2");
        window.Type(编辑框_序号01, "3");
        window.Type(编辑框_序号02, "12");
        window.ChooseItem(组合框2, 1);
        window.SelectAll(编辑框_颜色02);
        window.Type(编辑框_颜色02, "249");
    }

    std::optional<std::string> ScriptFile() { return run.Read("脚本生成.txt"); }

    const std::string golden = test::ReadTestData("worked-example.txt");
};

TEST_F(GenerationRunTest, TheWorkedExampleIsWrittenByteForByteAndOpened) {
    EnterWorkedExample();
    window.Click(按钮_生成);
    EXPECT_EQ(ScriptFile(), golden);
    EXPECT_EQ(window.ReadText(编辑框1), golden);
    EXPECT_EQ(platform.opened, std::vector<std::string>{run.path() + "\\脚本生成.txt"});
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(GenerationRunTest, ReadFormStateTakesEveryFieldAsItStandsAndRaisesNothing) {
    EnterWorkedExample();
    window.raised.clear();
    const FormState state = ReadFormState(window);
    EXPECT_TRUE(window.raised.empty());
    EXPECT_EQ(state.windowTitle, "砺锋工坊 V1.0.0.0 Build 20200921");
    EXPECT_EQ(state.bindingCountText, "2");
    EXPECT_EQ(state.slots[1].indexText, "12");
    EXPECT_EQ(state.slots[1].valueType, 1);
    EXPECT_EQ(state.slots[1].colourText, "249");
    EXPECT_EQ(state.slots[9].colourText, "255");
    EXPECT_EQ(state.customText, "[装备强化]：");
    EXPECT_EQ(state.customColourText, "255");
}

TEST_F(GenerationRunTest, ASecondRunReplacesTheWholeFileAndTheBuffer) {
    run.Write("脚本生成.txt", std::string(5000, 'x'));
    EnterWorkedExample();
    window.Click(按钮_生成);
    window.SelectAll(编辑框_绑定数量);
    window.Type(编辑框_绑定数量, "1");
    window.Click(按钮_生成);
    std::string expected = golden;
    for (const char* line : {"CHANGECUSTOMITEMABIL -1 1 1 12\r\n", "CHANGECUSTOMITEMABIL -1 1 2 1\r\n",
                             "CHANGECUSTOMITEMABIL -1 1 3 1\r\n", "CHANGECUSTOMITEMVALUE -1 1 = <$STR(N$强化洗炼魔防)>\r\n",
                             "CHANGECUSTOMITEMABIL -1 1 0 249\r\n"}) {
        expected.erase(expected.find(line), std::string_view(line).size());
    }
    EXPECT_EQ(ScriptFile(), expected);
    EXPECT_EQ(window.ReadText(编辑框1), expected);
    EXPECT_EQ(platform.opened.size(), 2u);
}

TEST_F(GenerationRunTest, AnEmptyIndexWarnsAndLeavesTheFileAsItWas) {
    EnterWorkedExample();
    window.Click(按钮_生成);
    window.SelectAll(编辑框_序号02);
    window.Backspace(编辑框_序号02);
    std::string bufferWhileWarned = "not shown";
    platform.whileMessageShown = [&](const Message&) { bufferWhileWarned = window.ReadText(编辑框1); };
    window.Click(按钮_生成);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "启用的绑定序号不得为空！");
    EXPECT_EQ(platform.messages[0].caption, "警告！！！");
    EXPECT_EQ(platform.messages[0].flags, 0x2030u);
    EXPECT_EQ(bufferWhileWarned, "");
    EXPECT_EQ(window.ReadText(编辑框1), "");
    EXPECT_EQ(ScriptFile(), golden);
    EXPECT_EQ(platform.opened.size(), 1u);
}

TEST_F(GenerationRunTest, AtStartAllTenIndexesAreRequired) {
    window.Click(按钮_生成);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "启用的绑定序号不得为空！");
    EXPECT_FALSE(ScriptFile().has_value());
}

TEST_F(GenerationRunTest, ACountNamingNoSlotsEndsTheRunSilently) {
    EnterWorkedExample();
    window.Click(按钮_生成);
    // The count field corrects 0 and counts above 10 itself, but leaves a negative count alone.
    window.SelectAll(编辑框_绑定数量);
    window.Paste(编辑框_绑定数量, "-3");
    window.Click(按钮_生成);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(window.ReadText(编辑框1), "");
    EXPECT_EQ(ScriptFile(), golden);
    EXPECT_EQ(platform.opened.size(), 1u);
}

TEST_F(GenerationRunTest, AnIndexHoldingZeroIsEmptiedByItsFocusLossBeforeTheClick) {
    EnterWorkedExample();
    window.SelectAll(编辑框_序号01);
    window.Type(编辑框_序号01, "0");
    ASSERT_EQ(window.Focused(), 编辑框_序号01);
    window.Click(按钮_生成);
    EXPECT_EQ(window.ReadText(编辑框_序号01), "");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "启用的绑定序号不得为空！");
    EXPECT_FALSE(ScriptFile().has_value());
}

TEST_F(GenerationRunTest, AFailedWriteWarnsKeepsThePreviousFileAndOpensNothing) {
    EnterWorkedExample();
    run.Write("脚本生成.txt", "the previous script\r\n");
    run.MakeReadOnly("脚本生成.txt");
    window.Click(按钮_生成);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "脚本文件写入失败！");
    EXPECT_EQ(platform.messages[0].caption, "警告！");
    EXPECT_EQ(platform.messages[0].flags, 0x2010u);
    EXPECT_EQ(ScriptFile(), "the previous script\r\n");
    EXPECT_TRUE(platform.opened.empty());
    EXPECT_EQ(window.ReadText(编辑框1), golden);  // the script is still there to copy
}

TEST(GenerationRunWithoutRunDirectory, AMissingDirectoryIsAFailedWriteToo) {
    test::TempDir parent;
    test::ModelApp gone(parent.File("gone"));
    gone.window.Start();
    gone.platform.messages.clear();
    for (Control index : kIndexFields) gone.window.Type(index, "1");
    gone.window.Click(按钮_生成);
    ASSERT_EQ(gone.platform.messages.size(), 1u);
    EXPECT_EQ(gone.platform.messages[0].text, "脚本文件写入失败！");
    EXPECT_TRUE(gone.platform.opened.empty());
}

TEST(ScriptFilePath, IsBesideTheProgramAlsoInADriveRoot) {
    test::RecordingPlatform tools("C:\\Tools");
    test::RecordingPlatform root("C:");
    EXPECT_EQ(ScriptFilePath(tools), "C:\\Tools\\脚本生成.txt");
    EXPECT_EQ(ScriptFilePath(root), "C:\\脚本生成.txt");
}

}  // namespace
}  // namespace lifeng
