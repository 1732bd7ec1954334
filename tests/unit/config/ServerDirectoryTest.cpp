#include <gtest/gtest.h>

#include "config/ServerDirectory.h"
#include "support/HandlerTest.h"
#include "support/Wine.h"

namespace lifeng {
namespace {

using test::HandlerTest;
using test::RunningWindowTest;
using enum Control;

constexpr char kSettingsLines[] = "[软件设置]\r\n服务端路径=D:\\Mirserver\\\r\n";
constexpr char kSetupText[] = "[Setup]\r\nCustomItemValueNames0=防御力\r\nCustomItemValueNames16=幸运\r\n";

TEST_F(HandlerTest, TheFirstStartCreatesSetupIniAndShowsTheDefault) {
    window.Start();
    EXPECT_EQ(run.Read("Setup.ini"), kSettingsLines);
    EXPECT_EQ(window.ReadText(编辑框_服务端路径), "D:\\Mirserver\\");
    EXPECT_EQ(window.Selection(编辑框_服务端路径), (std::pair<size_t, size_t>{13, 13}));
    ASSERT_EQ(window.Rows().size(), 17u);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(HandlerTest, AStoredDirectoryIsShownAndItsNamesLoaded) {
    const std::string server = MakeServer("server", kSetupText);
    run.Write("Setup.ini", "[软件设置]\r\n服务端路径=" + server + "\r\n");
    window.Start();
    EXPECT_EQ(window.ReadText(编辑框_服务端路径), server);
    EXPECT_EQ(window.Rows().front()[1], "防御力");
    EXPECT_EQ(window.Rows().back()[1], "幸运");
}

TEST_F(HandlerTest, AnExistingSetupIniIsNeverRepaired) {
    run.Write("Setup.ini", "[其他]\r\nx=1\r\n");
    window.Start();
    EXPECT_EQ(window.ReadText(编辑框_服务端路径), "D:\\Mirserver\\");
    EXPECT_EQ(run.Read("Setup.ini"), "[其他]\r\nx=1\r\n");

    run.Write("Setup.ini", "[软件设置]\r\n服务端路径=\r\n");
    LoadServerDirectory(app);
    EXPECT_EQ(window.ReadText(编辑框_服务端路径), "");
    EXPECT_EQ(window.Rows().size(), 17u);
}

TEST(LoadServerDirectoryWithoutRunDirectory, ShowsTheDefaultWhenSetupIniCannotBeWritten) {
    test::TempDir parent;
    test::ModelApp missing(parent.File("missing"));
    missing.window.Start();
    EXPECT_FALSE(parent.Read("missing\\Setup.ini").has_value());
    EXPECT_EQ(missing.window.ReadText(编辑框_服务端路径), "D:\\Mirserver\\");
}

TEST_F(RunningWindowTest, ChoosingAServerFolderStoresItWithASeparatorAndReloads) {
    const std::string server = MakeServer("Game Server", kSetupText);
    platform.folderAnswers.push_back(run.File("Game Server"));
    window.Click(按钮_浏览);
    EXPECT_EQ(platform.folderInstructions, std::vector<std::string>{"请选择传奇服务端目录！"});
    EXPECT_EQ(window.ReadText(编辑框_服务端路径), server);
    EXPECT_EQ(run.Read("Setup.ini"), "[软件设置]\r\n服务端路径=" + server + "\r\n");
    EXPECT_EQ(window.Rows().front()[1], "防御力");
    EXPECT_EQ(window.Selection(编辑框_服务端路径).first, server.size());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(RunningWindowTest, CancellingOrChoosingAWrongFolderChangesNothing) {
    const std::string before = *run.Read("Setup.ini");
    run.MakeDirectory("empty");
    platform.folderAnswers = {"", run.File("empty")};
    window.Click(按钮_浏览);
    EXPECT_TRUE(platform.messages.empty());
    window.Click(按钮_浏览);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "请选择正确的传奇服务端！");
    EXPECT_EQ(platform.messages[0].caption, "警告！");
    EXPECT_EQ(platform.messages[0].flags, 0x2010u);
    EXPECT_EQ(window.ReadText(编辑框_服务端路径), "D:\\Mirserver\\");
    EXPECT_EQ(run.Read("Setup.ini"), before);
    EXPECT_EQ(window.raised.size(), 2u);  // the two clicks, nothing else
}

TEST_F(RunningWindowTest, ADirectoryNamedSetupTxtPassesTheTest) {
    run.MakeDirectory("odd");
    run.MakeDirectory("odd\\Mir200");
    run.MakeDirectory("odd\\Mir200\\!Setup.txt");
    platform.folderAnswers.push_back(run.File("odd"));
    window.Click(按钮_浏览);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(window.ReadText(编辑框_服务端路径), run.File("odd") + "\\");
}

TEST_F(RunningWindowTest, AServerInADriveRootKeepsTheDoubledSeparatorAndWorks) {
    test::TestDrive drive;
    if (!drive.available()) GTEST_SKIP() << "no test drive S: here";
    drive.MakeDirectory("Mir200");
    drive.Write("Mir200\\!Setup.txt", kSetupText);
    platform.folderAnswers.push_back("S:\\");
    window.Click(按钮_浏览);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(window.ReadText(编辑框_服务端路径), "S:\\\\");
    EXPECT_EQ(run.Read("Setup.ini"), "[软件设置]\r\n服务端路径=S:\\\\\r\n");
    EXPECT_EQ(window.Rows().front()[1], "防御力");
}

TEST_F(RunningWindowTest, AFailedSettingsWriteShowsWhatTheFileHolds) {
    const std::string server = MakeServer("server", kSetupText);
    const std::string other = MakeServer("other", "[Setup]\r\nCustomItemValueNames0=旧名\r\n");
    const std::string before = "[软件设置]\r\n服务端路径=" + other + "\r\n";
    run.Write("Setup.ini", before);
    run.MakeReadOnly("Setup.ini");
    platform.folderAnswers.push_back(run.File("server"));
    window.Click(按钮_浏览);
    // Wine's profile functions, run by root, write into read-only files after all.
    if (test::RunningUnderWine() && test::ReadOnlyFilesOpenForWriting(run.path().c_str())) {
        EXPECT_EQ(window.ReadText(编辑框_服务端路径), server);
        return;
    }
    EXPECT_EQ(run.Read("Setup.ini"), before);
    EXPECT_EQ(window.ReadText(编辑框_服务端路径), other);
    EXPECT_EQ(window.Rows().front()[1], "旧名");
}

}  // namespace
}  // namespace lifeng
