#include <gtest/gtest.h>

#include "app/WindowDescription.h"
#include "e2e/Workshop.h"

namespace lifeng::e2e {
namespace {

using enum Control;

TEST(Start, TheFirstStartWritesSetupIniAndShowsTheDefaultDirectory) {
    Workshop app;
    ASSERT_TRUE(app.started());
    EXPECT_EQ(app.ReadFile("Setup.ini"), "[软件设置]\r\n服务端路径=D:\\Mirserver\\\r\n");
    EXPECT_EQ(app.Text(编辑框_服务端路径), "D:\\Mirserver\\");
    EXPECT_EQ(SelectionOf(app.At(编辑框_服务端路径)), std::make_pair(13, 13));
    EXPECT_EQ(CaptionOf(app.window()), "砺锋工坊 V1.0.0.0 Build 20200921");
    ASSERT_EQ(ListCount(app.At(超级列表框_属性)), 17);
    EXPECT_EQ(ListCell(app.At(超级列表框_属性), 16, 0), "17");
    EXPECT_EQ(ListCell(app.At(超级列表框_属性), 0, 1), "");
    EXPECT_TRUE(app.NoBox());
}

TEST(Start, TheNamesOfTheSampleServerAreListed) {
    Workshop app(SettingsNaming(DemoServer()));
    ASSERT_TRUE(app.started());
    EXPECT_EQ(app.Text(编辑框_服务端路径), DemoServer());
    const HWND list = app.At(超级列表框_属性);
    ASSERT_EQ(ListCount(list), 17);
    EXPECT_EQ(ListCell(list, 0, 0), "1");
    EXPECT_EQ(ListCell(list, 0, 1), "强化防御");
    EXPECT_EQ(ListCell(list, 16, 1), "魔法躲避");
}

TEST(Start, AMissingServerGivesSeventeenEmptyRowsAndNoMessage) {
    Workshop app(SettingsNaming("C:\\nowhere\\"));
    ASSERT_TRUE(app.started());
    const HWND list = app.At(超级列表框_属性);
    ASSERT_EQ(ListCount(list), 17);
    for (int row = 0; row < 17; ++row) EXPECT_EQ(ListCell(list, row, 1), "") << row;
    EXPECT_TRUE(app.NoBox());
}

TEST(Start, ControlsStartWithTheirDescribedValues) {
    Workshop app;
    ASSERT_TRUE(app.started());
    EXPECT_EQ(app.Text(编辑框_绑定数量), "10");
    EXPECT_EQ(app.Text(编辑框_自定义文本), "[装备强化]：");
    EXPECT_EQ(app.Text(编辑框_颜色), "0");
    const HWND combo = app.At(组合框1);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(app.Text(标签4), std::string(Describe(标签4).startText));
    EXPECT_EQ(SendMessageA(app.At(滑块条1), TBM_GETRANGEMAX, 0, 0), 255);
    EXPECT_FALSE(IsWindowVisible(app.At(编辑框1)));
    RECT outer;
    GetWindowRect(app.window(), &outer);
    EXPECT_EQ(outer.right - outer.left, 707);
    EXPECT_EQ(outer.bottom - outer.top, 446);
    // Labels and shape boxes are drawn by the program: the heading starts in teal, a panel's
    // frame is black.
    EXPECT_TRUE(app.Shows(标签1, {0, 12}, RGB(0, 128, 128)));
    EXPECT_TRUE(app.Shows(外形框2, {0, 100}, RGB(0, 0, 0)));
}

TEST(Start, EscClosesTheWindowFromAnyControl) {
    Workshop app;
    ASSERT_TRUE(app.started());
    app.Focus(编辑框_序号03);
    PressKey(app.At(编辑框_序号03), VK_ESCAPE);
    EXPECT_TRUE(app.process().WaitExit(10s));
    EXPECT_EQ(app.process().ExitCode(), 0u);
    EXPECT_EQ(app.ReadFile("Setup.ini"), "[软件设置]\r\n服务端路径=D:\\Mirserver\\\r\n");
}

TEST(Keyboard, TabMovesThroughTheControlsInReadingOrder) {
    Workshop app;
    ASSERT_TRUE(app.started());
    app.Focus(kTabOrder[0]);
    const size_t count = std::size(kTabOrder);
    for (size_t i = 1; i <= count; ++i) {
        const Control from = kTabOrder[i - 1];
        const Control to = kTabOrder[i % count];
        Settle(app.window(), PressKey(app.At(from), VK_TAB));
        WaitFor([&] { return app.Focused() == app.At(to); }, 5s);
        ASSERT_EQ(app.Focused(), app.At(to)) << "after control " << i - 1;
    }
    // Shift+Tab goes back, from the first control round to the last.
    ASSERT_TRUE(PressShifted(VK_TAB));
    WaitFor([&] { return app.Focused() == app.At(kTabOrder[count - 1]); }, 5s);
    EXPECT_EQ(app.Focused(), app.At(kTabOrder[count - 1]));
}

TEST(Keyboard, AltRReloadsTheNames) {
    Workshop app(SettingsNaming(DemoServer()));
    ASSERT_TRUE(app.started());
    app.Focus(编辑框_序号01);
    PressAlt(app.At(编辑框_序号01), 'r');
    const BoxInfo box = app.WaitBox();
    EXPECT_EQ(box.text, "服务端自定义属性重读成功！");
    EXPECT_EQ(box.caption, "友情提示：");
    EXPECT_EQ(box.icon, BoxIcon::Information);
    EXPECT_FALSE(IsWindowEnabled(app.window()));  // the box is task-modal
    EXPECT_TRUE(CloseMessageBox(box.wnd));
    EXPECT_EQ(ListCell(app.At(超级列表框_属性), 0, 1), "强化防御");
}

TEST(Reload, ShowsTheFileAsItIsNowThenTheNotice) {
    const test::TempDir server;
    Workshop app(SettingsNaming(MakeServer(server, "[Setup]\r\nCustomItemValueNames0=旧名称\r\n")));
    ASSERT_TRUE(app.started());
    EXPECT_EQ(ListCell(app.At(超级列表框_属性), 0, 1), "旧名称");
    server.Write("Mir200\\!Setup.txt", "[Setup]\r\nCustomItemValueNames0=新名称\r\n");
    app.Click(按钮_重新读取);
    const BoxInfo box = app.WaitBox();
    EXPECT_EQ(box.text, "服务端自定义属性重读成功！");
    EXPECT_EQ(box.caption, "友情提示：");
    EXPECT_EQ(box.icon, BoxIcon::Information);
    EXPECT_EQ(ListCell(app.At(超级列表框_属性), 0, 1), "新名称");  // filled before the notice
    EXPECT_EQ(ListCount(app.At(超级列表框_属性)), 17);
    EXPECT_TRUE(CloseMessageBox(box.wnd));
}

}  // namespace
}  // namespace lifeng::e2e
