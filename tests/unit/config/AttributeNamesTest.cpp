#include <gtest/gtest.h>

#include "config/AttributeNames.h"
#include "support/HandlerTest.h"

namespace lifeng {
namespace {

using test::RunningWindowTest;
using enum Control;

class AttributeNamesTest : public RunningWindowTest {
protected:
    void UseServer(std::string_view setupText) {
        window.WriteText(编辑框_服务端路径, MakeServer("server", setupText));
    }
};

TEST_F(AttributeNamesTest, SeventeenRowsNumberedOneTo17WithTheNamesOfKeysZeroTo16) {
    UseServer("[SETUP]\r\ncustomitemvaluenames0=攻击\r\nCustomItemValueNames5=\"魔法\"\r\n"
              "CustomItemValueNames16=幸运\r\nCustomItemValueNames17=从不显示\r\n");
    LoadAttributeNames(app);
    ASSERT_EQ(window.Rows().size(), 17u);
    for (size_t row = 0; row < 17; ++row) EXPECT_EQ(window.Rows()[row][0], std::to_string(row + 1));
    EXPECT_EQ(window.Rows()[0][1], "攻击");
    EXPECT_EQ(window.Rows()[5][1], "魔法");
    EXPECT_EQ(window.Rows()[16][1], "幸运");
    for (size_t row : {1u, 4u, 6u, 15u}) EXPECT_EQ(window.Rows()[row][1], "");
}

TEST_F(AttributeNamesTest, AMissingFileOrAPathWithoutSeparatorGivesEmptyNames) {
    for (const std::string& path : {run.File("nowhere") + "\\", run.File("server"), std::string()}) {
        SCOPED_TRACE(path);
        UseServer("[Setup]\r\nCustomItemValueNames0=攻击\r\n");
        window.WriteText(编辑框_服务端路径, path);
        LoadAttributeNames(app);
        ASSERT_EQ(window.Rows().size(), 17u);
        for (const auto& row : window.Rows()) EXPECT_EQ(row[1], "");
    }
}

TEST_F(AttributeNamesTest, ReloadingShowsTheFileAsItIsNowThenTheNotice) {
    UseServer("[Setup]\r\nCustomItemValueNames0=攻击\r\n");
    window.Click(按钮_重新读取);
    run.Write("server\\Mir200\\!Setup.txt", "[Setup]\r\nCustomItemValueNames0=暴击\r\n");
    window.Click(按钮_重新读取);
    EXPECT_EQ(window.Rows().size(), 17u);  // not 34
    EXPECT_EQ(window.Rows()[0][1], "暴击");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, "服务端自定义属性重读成功！");
    EXPECT_EQ(platform.messages[1].caption, "友情提示：");
    EXPECT_EQ(platform.messages[1].flags, 0x2040u);
}

TEST_F(AttributeNamesTest, WaitingEventsRunAfterTheListIsFilledAndBeforeTheNotice) {
    window.WriteText(编辑框_服务端路径, run.File("nowhere") + "\\");
    std::vector<std::string> order;
    platform.pendingEvents.push_back([&] { order.push_back("waiting event, rows: " + std::to_string(window.Rows().size())); });
    platform.whileMessageShown = [&](const Message&) { order.push_back("notice"); };
    window.Click(按钮_重新读取);
    EXPECT_EQ(order, (std::vector<std::string>{"waiting event, rows: 17", "notice"}));
    EXPECT_EQ(platform.messages[0].text, "服务端自定义属性重读成功！");  // a missing file still gets it
}

}  // namespace
}  // namespace lifeng
