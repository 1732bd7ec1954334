#include <gtest/gtest.h>

#include "e2e/Workshop.h"
#include "support/TempDir.h"

namespace lifeng::e2e {
namespace {

using enum Control;

// The worked example, entered as an operator enters it.
void EnterWorkedExample(Workshop& app) {
    app.SelectAll(编辑框_绑定数量);
    app.Type(编辑框_绑定数量, "2");
    app.Type(编辑框_序号01, "3");
    app.Type(编辑框_序号02, "12");
    app.Press(组合框2, VK_DOWN);  // "百分比"
    app.SelectAll(编辑框_颜色02);
    app.Type(编辑框_颜色02, "249");
}

TEST(Generate, TheWorkedExampleIsWrittenByteForByteAndOpened) {
    Workshop app(SettingsNaming(DemoServer()));
    ASSERT_TRUE(app.started());
    EnterWorkedExample(app);
    WaitFor([&] { return SendMessageA(app.At(组合框2), CB_GETCURSEL, 0, 0) == 1; }, 5s);
    ASSERT_EQ(SendMessageA(app.At(组合框2), CB_GETCURSEL, 0, 0), 1);
    TakeOpenedFiles();
    app.Click(按钮_生成);
    std::vector<std::string> opened;
    WaitFor([&] { return !(opened = TakeOpenedFiles()).empty(); }, 15s);
    EXPECT_EQ(opened, std::vector<std::string>{app.runDirectory() + "\\脚本生成.txt"});
    EXPECT_EQ(app.ReadFile("脚本生成.txt"), test::ReadTestData("worked-example.txt"));
    EXPECT_TRUE(app.NoBox());
}

TEST(Generate, EmptyIndexesAtStartAreWarnedAbout) {
    Workshop app;
    ASSERT_TRUE(app.started());
    TakeOpenedFiles();
    app.Click(按钮_生成);
    const BoxInfo box = app.WaitBox();
    EXPECT_EQ(box.text, "启用的绑定序号不得为空！");
    EXPECT_EQ(box.caption, "警告！！！");
    EXPECT_EQ(box.icon, BoxIcon::Warning);
    EXPECT_TRUE(CloseMessageBox(box.wnd));
    EXPECT_FALSE(app.ReadFile("脚本生成.txt").has_value());
    EXPECT_TRUE(TakeOpenedFiles().empty());
}

TEST(Generate, AnIndexHoldingZeroIsEmptiedWhenTheButtonTakesTheFocus) {
    Workshop app;
    ASSERT_TRUE(app.started());
    app.SelectAll(编辑框_绑定数量);
    app.Type(编辑框_绑定数量, "1");
    app.Type(编辑框_序号01, "0");
    ASSERT_EQ(app.Focused(), app.At(编辑框_序号01));
    app.Click(按钮_生成);
    const BoxInfo box = app.WaitBox();
    EXPECT_EQ(box.text, "启用的绑定序号不得为空！");
    EXPECT_EQ(app.Text(编辑框_序号01), "");
    EXPECT_TRUE(CloseMessageBox(box.wnd));
    EXPECT_FALSE(app.ReadFile("脚本生成.txt").has_value());
}

TEST(Keyboard, AltSGeneratesTheScript) {
    Workshop app;
    ASSERT_TRUE(app.started());
    app.SelectAll(编辑框_绑定数量);
    app.Type(编辑框_绑定数量, "1");
    app.Type(编辑框_序号01, "5");
    TakeOpenedFiles();
    PressAlt(app.At(编辑框_序号01), 's');
    std::vector<std::string> opened;
    WaitFor([&] { return !(opened = TakeOpenedFiles()).empty(); }, 15s);
    EXPECT_EQ(opened.size(), 1u);
    const auto script = app.ReadFile("脚本生成.txt");
    ASSERT_TRUE(script.has_value());
    EXPECT_NE(script->find("CHANGECUSTOMITEMABIL -1 0 1 5\r\n"), std::string::npos);
}

}  // namespace
}  // namespace lifeng::e2e
