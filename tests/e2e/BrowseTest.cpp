#include <gtest/gtest.h>

#include "e2e/Workshop.h"

namespace lifeng::e2e {
namespace {

using enum Control;

class Browse : public ::testing::Test {
protected:
    void SetUp() override {
        if (!drive.available()) GTEST_SKIP() << "no test drive S: here";
    }

    // Clicks the browse button; the shell's folder browser that opens, or nullptr.
    static HWND OpenFolderBrowser(Workshop& app) {
        app.Click(按钮_浏览);
        return WaitFolderBrowser(app.process().id(), 10s);
    }

    const test::TestDrive drive;  // linked to a folder of the test prefix by the test runner
};

TEST_F(Browse, AServerInADriveRootIsStoredWithTwoSeparatorsAndItsNamesLoad) {
    MakeServer(drive, "[Setup]\r\nCustomItemValueNames0=根目录属性\r\n");
    Workshop app(SettingsNaming(DemoServer()));
    ASSERT_TRUE(app.started());
    const HWND dialog = OpenFolderBrowser(app);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(app.window()));
    ASSERT_TRUE(ChooseFolder(dialog, "(S:)"));
    WaitFor([&] { return app.Text(编辑框_服务端路径) == "S:\\\\"; }, 10s);
    EXPECT_EQ(app.Text(编辑框_服务端路径), "S:\\\\");
    EXPECT_EQ(app.ReadFile("Setup.ini"), SettingsNaming("S:\\\\"));
    EXPECT_EQ(ListCell(app.At(超级列表框_属性), 0, 1), "根目录属性");
    EXPECT_TRUE(app.NoBox());
}

TEST_F(Browse, AFolderWithoutAServerIsRefusedWithAWarning) {
    Workshop app(SettingsNaming(DemoServer()));
    ASSERT_TRUE(app.started());
    const HWND dialog = OpenFolderBrowser(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ChooseFolder(dialog, "(C:)"));
    const BoxInfo box = app.WaitBox();
    EXPECT_EQ(box.text, "请选择正确的传奇服务端！");
    EXPECT_EQ(box.caption, "警告！");
    EXPECT_EQ(box.icon, BoxIcon::Error);
    EXPECT_TRUE(CloseMessageBox(box.wnd));
    EXPECT_EQ(app.Text(编辑框_服务端路径), DemoServer());
    EXPECT_EQ(app.ReadFile("Setup.ini"), SettingsNaming(DemoServer()));
}

TEST_F(Browse, CancellingChangesNothing) {
    Workshop app(SettingsNaming(DemoServer()));
    ASSERT_TRUE(app.started());
    const HWND dialog = OpenFolderBrowser(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(CancelFolder(dialog));
    EXPECT_TRUE(app.NoBox());
    EXPECT_EQ(app.Text(编辑框_服务端路径), DemoServer());
    EXPECT_EQ(app.ReadFile("Setup.ini"), SettingsNaming(DemoServer()));
}

}  // namespace
}  // namespace lifeng::e2e
